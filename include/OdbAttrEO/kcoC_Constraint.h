// The model's constraints: the base every constraint class derives from, and
// the rigid-body constraint. A constraint may be suppressed, and may name node
// sets that contact treats as node-based surfaces.
#pragma once

#include <array>
#include <utility>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kcoC_Constraint : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3050001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kcoC_Constraint* Clone() const override { return new kcoC_Constraint(*this); }
  CLS_REGISTER(kcoC_Constraint, kern_Object)

  bool Suppressed() const { return suppressed_; }
  // The node sets the constraint names for contact, in order.
  const cow_List<rgnC_Region>& ConstGetContactNodeSets() const { return contactNodeSets_; }

  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  void SetContactNodeSets(cow_List<rgnC_Region> regions) { contactNodeSets_ = std::move(regions); }

 private:
  bool suppressed_ = false;
  cow_List<rgnC_Region> contactNodeSets_;
};

// A rigid body: the reference point, the body's elements, its pinned nodes
// and its tied nodes, each a region of the assembly (empty when not given);
// an analytical surface, and whether the reference node is placed at the
// centre of mass and the body is isothermal (both off unless set).
class kcoC_RigidBody : public kcoC_Constraint {
 public:
  static constexpr unsigned kTypeId = 0x3050020;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kcoC_RigidBody* Clone() const override { return new kcoC_RigidBody(*this); }
  CLS_REGISTER(kcoC_RigidBody, kcoC_Constraint)

  enum Role { kRefPoint, kBody, kPin, kTie, kRoleCount };
  const rgnC_Region& Region(Role role) const { return regions_[role]; }
  void SetRegion(Role role, rgnC_Region region) { regions_[role] = std::move(region); }
  const rgnC_Region& AnalyticalSurface() const { return analyticalSurface_; }
  void SetAnalyticalSurface(rgnC_Region region) { analyticalSurface_ = std::move(region); }
  bool CenterOfMass() const { return centerOfMass_; }
  bool Isothermal() const { return isothermal_; }
  void SetCenterOfMass(bool centerOfMass) { centerOfMass_ = centerOfMass; }
  void SetIsothermal(bool isothermal) { isothermal_ = isothermal; }

 private:
  std::array<rgnC_Region, kRoleCount> regions_;
  rgnC_Region analyticalSurface_;
  bool centerOfMass_ = false;
  bool isothermal_ = false;
};
