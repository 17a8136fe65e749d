// The display-body constraint: a part instance shown moving with up to three
// reference points, each a point of the assembly (a dot) or none.
//
// The stand-in carries, beside each dot, the node the kernel finds for it
// (psl_GetNode): an rgnC_Dot that names an instance and a node label when
// resolved. It has no geometry to find the node from.
#pragma once

#include <array>
#include <utility>

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivGeom/gsl_Dot.h"

class kcoC_DisplayBody : public kcoC_Constraint {
  KERN_CLASS_HEAD(kcoC_DisplayBody, kcoC_Constraint, 0x3050080)

  kcoC_DisplayBody() = default;
  explicit kcoC_DisplayBody(unsigned instanceId) : instanceId_(instanceId) {}

  // The feature id of the displayed instance in the assembly's feature list.
  unsigned InstanceId() const { return instanceId_; }
  // Reference point `point` (0 to 2); an empty handle when not given.
  const cow_COW<gsl_Dot>& ReferencePoint(int point) const { return points_[point]; }
  cow_COW<gsl_Dot>& ModifyReferencePoint(int point) { return points_[point]; }
  // The node psl_GetNode finds for reference point `point`.
  const rgnC_Dot& ReferenceNode(int point) const { return nodes_[point]; }

  void SetInstanceId(unsigned id) { instanceId_ = id; }
  // Gives reference point `point` a dot standing at `dot`'s position whose
  // node is `node`.
  void SetReferencePoint(int point, const gsl_Dot& dot, const rgnC_Dot& node) {
    points_[point] = cow_COW<gsl_Dot>(dot);
    nodes_[point] = node;
  }

 private:
  unsigned instanceId_ = 0;
  std::array<cow_COW<gsl_Dot>, 3> points_;
  std::array<rgnC_Dot, 3> nodes_;
};
