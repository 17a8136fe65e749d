// A geometric component of a region as the geometry kernel lists it: the
// component's index and the type code of the surface it lies on (107 for a
// surface of revolution; 0 when unknown).
#pragma once

inline constexpr int gdy_kRevolvedSurface = 107;

class gdy_HitRecord {
 public:
  gdy_HitRecord() = default;
  gdy_HitRecord(int index, int surfType) : index_(index), surfType_(surfType) {}

  int GetIndex() const { return index_; }
  int GetSurfType() const { return surfType_; }

 private:
  int index_ = 0;
  int surfType_ = 0;
};
