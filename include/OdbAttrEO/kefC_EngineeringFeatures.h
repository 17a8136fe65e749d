// The engineering features of a part or the assembly: springs and dashpots,
// and inertias (point masses and rotary inertias, heat capacitances), each
// with the regions it is applied to. The writer reads only their regions.
#pragma once

#include <utility>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

// A spring or dashpot, between the points of its regions.
class kefC_Spring : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x34C0001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_Spring* Clone() const override { return new kefC_Spring(*this); }
  CLS_REGISTER(kefC_Spring, kern_Object)

  const cow_List<rgnC_Region>& Regions() const { return regions_; }
  void SetRegions(cow_List<rgnC_Region> regions) { regions_ = std::move(regions); }

 private:
  cow_List<rgnC_Region> regions_;
};

class kefC_Inertia : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x34C0003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_Inertia* Clone() const override { return new kefC_Inertia(*this); }
  CLS_REGISTER(kefC_Inertia, kern_Object)

  const cow_List<rgnC_Region>& Regions() const { return regions_; }
  void SetRegions(cow_List<rgnC_Region> regions) { regions_ = std::move(regions); }

 private:
  cow_List<rgnC_Region> regions_;
};

// A point mass and rotary inertia.
class kefC_PointMassInertia : public kefC_Inertia {
 public:
  static constexpr unsigned kTypeId = 0x34C0004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_PointMassInertia* Clone() const override { return new kefC_PointMassInertia(*this); }
  CLS_REGISTER(kefC_PointMassInertia, kefC_Inertia)
};

// A heat capacitance at points.
class kefC_HeatCapacitanceInertia : public kefC_Inertia {
 public:
  static constexpr unsigned kTypeId = 0x34C0005;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_HeatCapacitanceInertia* Clone() const override {
    return new kefC_HeatCapacitanceInertia(*this);
  }
  CLS_REGISTER(kefC_HeatCapacitanceInertia, kefC_Inertia)
};

// A nonstructural mass spread over its regions (not a point inertia).
class kefC_NonstructuralMass : public kefC_Inertia {
 public:
  static constexpr unsigned kTypeId = 0x34C0006;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_NonstructuralMass* Clone() const override { return new kefC_NonstructuralMass(*this); }
  CLS_REGISTER(kefC_NonstructuralMass, kefC_Inertia)
};

// The engineering features of one owner, in repository order.
class kefC_EngineeringFeatures : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x34C0000;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_EngineeringFeatures* Clone() const override { return new kefC_EngineeringFeatures(*this); }
  CLS_REGISTER(kefC_EngineeringFeatures, kern_Object)

  const cow_List<cow_COW<kefC_Spring>>& Springs() const { return springs_; }
  const cow_List<cow_COW<kefC_Inertia>>& Inertias() const { return inertias_; }
  void AddSpring(const kefC_Spring& spring) { springs_.Append(cow_COW<kefC_Spring>(spring)); }
  void AddInertia(const kefC_Inertia& inertia) { inertias_.Append(cow_COW<kefC_Inertia>(inertia)); }

 private:
  cow_List<cow_COW<kefC_Spring>> springs_;
  cow_List<cow_COW<kefC_Inertia>> inertias_;
};
