// A geometry hit of a region as the geometry kernel records it: the feature
// the hit lies on (a part instance's id, or 1000 for the assembly itself)
// and the index of the geometric component hit in that feature's evaluated
// representation (brp_GetGC).
#pragma once

class gdy_GeomHitRecord {
 public:
  gdy_GeomHitRecord() = default;
  gdy_GeomHitRecord(unsigned instanceId, int componentIndex)
      : instanceId_(instanceId), componentIndex_(componentIndex) {}

  unsigned GetInstanceId() const { return instanceId_; }
  int GetComponentIndex() const { return componentIndex_; }

 private:
  unsigned instanceId_ = 0;
  int componentIndex_ = 0;
};
