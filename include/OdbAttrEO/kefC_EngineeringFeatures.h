// The engineering features of a part or the assembly: springs and dashpots,
// and inertias (point masses and rotary inertias, heat capacitances,
// nonstructural masses), each with the regions it is applied to.
#pragma once

#include <array>
#include <cfloat>
#include <utility>

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kefC_FastenerEnums.h"
#include "OdbAttrEO/kern_Object.h"
#include "QivGeom/gsl_ModelSegment.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivGeom/gsl_ModelSegment.h"

// A spring or dashpot: its degrees of freedom, stiffness and dashpot
// coefficient, an optional orientation datum. The kinds that are written are
// kefC_TwoPointSpring and kefC_SpringToGround; Regions() lists every region
// of the spring (the region builder leaves their kernel-made sets out).
class kefC_Spring : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x34C0001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_Spring* Clone() const override { return new kefC_Spring(*this); }
  CLS_REGISTER(kefC_Spring, kern_Object)

  const cow_String& Name() const { return name_; }
  const cow_List<rgnC_Region>& Regions() const { return regions_; }
  // The orientation datum; a null reference when the spring has none.
  const dtmC_DatumRef& OrientationDatum() const { return orientation_; }
  int FirstDof() const { return firstDof_; }
  int SecondDof() const { return secondDof_; }
  double SpringStiffness() const { return stiffness_; }
  double DashpotCoefficient() const { return dashpot_; }
  bool HasSpring() const { return hasSpring_; }
  bool HasDashpot() const { return hasDashpot_; }
  // An excluded spring is not written.
  bool IsExcluded() const { return excluded_; }

  void SetName(const cow_String& name) { name_ = name; }
  void SetRegions(cow_List<rgnC_Region> regions) { regions_ = std::move(regions); }
  void SetOrientationDatum(const dtmC_DatumRef& datum) { orientation_ = datum; }
  void SetDofs(int first, int second) {
    firstDof_ = first;
    secondDof_ = second;
  }
  // Each setter also sets its flag.
  void SetSpringStiffness(double value) {
    stiffness_ = value;
    hasSpring_ = true;
  }
  void SetDashpotCoefficient(double value) {
    dashpot_ = value;
    hasDashpot_ = true;
  }
  void SetFlags(bool spring, bool dashpot) {
    hasSpring_ = spring;
    hasDashpot_ = dashpot;
  }
  void SetExcluded(bool excluded) { excluded_ = excluded; }

 private:
  cow_String name_;
  cow_List<rgnC_Region> regions_;
  dtmC_DatumRef orientation_;
  int firstDof_ = 0;
  int secondDof_ = 0;
  double stiffness_ = 0.0;
  double dashpot_ = 0.0;
  bool hasSpring_ = false;
  bool hasDashpot_ = false;
  bool excluded_ = false;
};

// An inertia feature: its name and regions. Point masses and heat
// capacitances apply to their first region (Region()).
class kefC_Inertia : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x34C0003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_Inertia* Clone() const override { return new kefC_Inertia(*this); }
  CLS_REGISTER(kefC_Inertia, kern_Object)

  const cow_String& Name() const { return name_; }
  const cow_List<rgnC_Region>& Regions() const { return regions_; }
  // The first region; an empty region when there is none.
  rgnC_Region Region() const { return regions_.IsEmpty() ? rgnC_Region() : regions_[0]; }
  // An excluded inertia is not written.
  bool IsExcluded() const { return excluded_; }

  void SetName(const cow_String& name) { name_ = name; }
  void SetRegions(cow_List<rgnC_Region> regions) { regions_ = std::move(regions); }
  void SetExcluded(bool excluded) { excluded_ = excluded; }

 private:
  cow_String name_;
  cow_List<rgnC_Region> regions_;
  bool excluded_ = false;
};

// A point mass and rotary inertia: a mass, the inertia tensor (I11, I22, I33,
// I12, I13, I23), damping values and an optional orientation datum.
class kefC_PointMassInertia : public kefC_Inertia {
 public:
  static constexpr unsigned kTypeId = 0x34C0004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_PointMassInertia* Clone() const override { return new kefC_PointMassInertia(*this); }
  CLS_REGISTER(kefC_PointMassInertia, kefC_Inertia)

  bool HasMass() const { return hasMass_; }
  bool HasRotaryI() const { return hasRotary_; }
  double Mass() const { return mass_; }
  const std::array<double, 6>& RotaryInertia() const { return rotary_; }
  double Alpha() const { return alpha_; }
  double Composite() const { return composite_; }
  const dtmC_DatumRef& OrientationDatum() const { return orientation_; }

  // Each setter also sets its flag.
  void SetMass(double mass) {
    mass_ = mass;
    hasMass_ = true;
  }
  void SetRotaryInertia(const std::array<double, 6>& components) {
    rotary_ = components;
    hasRotary_ = true;
  }
  void SetDamping(double alpha, double composite) {
    alpha_ = alpha;
    composite_ = composite;
  }
  void SetOrientationDatum(const dtmC_DatumRef& datum) { orientation_ = datum; }

 private:
  bool hasMass_ = false;
  bool hasRotary_ = false;
  double mass_ = 0.0;
  std::array<double, 6> rotary_{};
  double alpha_ = 0.0;
  double composite_ = 0.0;
  dtmC_DatumRef orientation_;
};

// A heat capacitance at points: rows of the value, the temperature when
// temperature dependent, then the field variables.
class kefC_HeatCapacitance : public kefC_Inertia {
 public:
  static constexpr unsigned kTypeId = 0x34C0005;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_HeatCapacitance* Clone() const override { return new kefC_HeatCapacitance(*this); }
  CLS_REGISTER(kefC_HeatCapacitance, kefC_Inertia)

  bool TemperatureDependent() const { return temperatureDependent_; }
  int Dependencies() const { return dependencies_; }
  const cow_2DArray<double>& Table() const { return table_; }
  void SetTable(bool temperatureDependent, int dependencies, cow_2DArray<double> table) {
    temperatureDependent_ = temperatureDependent;
    dependencies_ = dependencies;
    table_ = std::move(table);
  }

 private:
  bool temperatureDependent_ = false;
  int dependencies_ = 0;
  cow_2DArray<double> table_;
};

// A nonstructural mass spread over the elements of its own region: a value
// in units of 0 total mass, 1 mass per volume, 2 mass per area, 3 mass per
// length; a total mass may be spread in proportion to element volume.
class kefC_NonstructuralMass : public kefC_Inertia {
 public:
  static constexpr unsigned kTypeId = 0x34C0006;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_NonstructuralMass* Clone() const override { return new kefC_NonstructuralMass(*this); }
  CLS_REGISTER(kefC_NonstructuralMass, kefC_Inertia)

  const rgnC_Region& OwnRegion() const { return region_; }
  int Units() const { return units_; }
  double Value() const { return value_; }
  bool VolumeProportional() const { return volumeProportional_; }

  void SetOwnRegion(const rgnC_Region& region) { region_ = region; }
  void SetValue(int units, double value, bool volumeProportional = false) {
    units_ = units;
    value_ = value;
    volumeProportional_ = volumeProportional;
  }

 private:
  rgnC_Region region_;
  int units_ = 0;
  double value_ = 0.0;
  bool volumeProportional_ = false;
};

// A fastener: point fasteners are written through their generated "_pf_"
// sets, discrete fasteners through their region.
class kefC_Fastener : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x34C0010;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_Fastener* Clone() const override { return new kefC_Fastener(*this); }
  CLS_REGISTER(kefC_Fastener, kern_Object)

  bool Suppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }

  // The data both kinds share (unset doubles hold DBL_MAX): the local
  // coordinate system (a null reference for none), whether the rotational
  // DOFs 4, 5, 6 are coupled, and how the fastener's coupling weights and
  // couples its surface nodes.
  dtmC_DatumRef localCsys;
  bool ur1 = true;
  bool ur2 = true;
  bool ur3 = true;
  double radiusOfInfluence = 1.7976931348623157e308;
  kefC_WeightingMethodEnum weightingMethod = kefC_WeightingMethodEnum::UNIFORM;
  kefC_CouplingEnum coupling = kefC_CouplingEnum::CONTINUUM;

 private:
  bool suppressed_ = false;
  rgnC_Region region_;
};
class kefC_PointFastener : public kefC_Fastener {
 public:
  static constexpr unsigned kTypeId = 0x34C0011;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_PointFastener* Clone() const override { return new kefC_PointFastener(*this); }
  CLS_REGISTER(kefC_PointFastener, kefC_Fastener)

  const cow_List<rgnC_Region>& GetTargetSurfaces() const { return targetSurfaces; }

  // Unset: DBL_MAX for the search radius, 2147483647 layers. An element-set
  // indicator of 0 means the fastener uses connector elements of the
  // section named connectorSection, oriented by datum 1 (and 2 unless
  // singleDatum) with the axis (0, 1, 2) and angle of each.
  cow_List<rgnC_Region> targetSurfaces;
  double physicalRadius = 0.0;
  double mass = 0.0;
  int elementSetIndicator = 0;
  cow_String connectorSection;
  dtmC_DatumRef datum1;
  dtmC_DatumRef datum2;
  bool singleDatum = false;
  double angle1 = 0.0;
  double angle2 = 0.0;
  int axis1 = 0;
  int axis2 = 0;
  gsl_ModelSegment projectionDirection;
  double searchRadius = 1.7976931348623157e308;
  int numberOfLayers = 2147483647;
  bool adjustOrientation = false;
  kefC_AttachmentMethodEnum attachmentMethod = kefC_AttachmentMethodEnum::FACETOFACE;
  bool unsorted = false;

  // Whether the fastener uses the Rigid MPC setting (the output checks list
  // requests on such fasteners); no unless set.
  bool rigidMpc = false;
};
class kefC_DiscreteFastener : public kefC_Fastener {
 public:
  static constexpr unsigned kTypeId = 0x34C0012;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_DiscreteFastener* Clone() const override { return new kefC_DiscreteFastener(*this); }
  CLS_REGISTER(kefC_DiscreteFastener, kefC_Fastener)
};

// An assembled fastener: copies of the template model `templateModel`
// placed at every point of its region (the point set of the model, Region())
// and attached to the model's surfaces. The template's positioning point set
// `positioningSet` says which template point lands on a fastener point;
// index i of `surfaceNames` (model surfaces) belongs to index i of
// `templateRegionNames` (template regions). Orientation method 0 turns each
// copy by the surface normal, 1 by the axes of the datum system `datum`.
// Generated names begin with `prefix` + "_".
class kefC_AssembledFastener : public kefC_Fastener {
 public:
  static constexpr unsigned kTypeId = 0x34C0013;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_AssembledFastener* Clone() const override { return new kefC_AssembledFastener(*this); }
  CLS_REGISTER(kefC_AssembledFastener, kefC_Fastener)

  cow_String templateModel;
  cow_String positioningSet;
  cow_String prefix;
  cow_List<cow_String> surfaceNames;
  cow_List<cow_String> templateRegionNames;
  int orientationMethod = 0;
  dtmC_DatumRef datum;
};

// The engineering features of one owner, in repository order.
// An XFEM crack: its crack domain and initial crack regions, whether the
// initial crack is given, and node entries given directly (parallel lists:
// node label, an integer, a first value, a flag and a second value).
class kefC_XFEMCrack : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x34C0020;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_XFEMCrack* Clone() const override { return new kefC_XFEMCrack(*this); }
  CLS_REGISTER(kefC_XFEMCrack, kern_Object)

  bool IsSuppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  bool IsCrackSpecified() const { return specified_; }
  void SetCrackSpecified(bool specified) { specified_ = specified; }
  const rgnC_Region& CrackDomain() const { return domain_; }
  const rgnC_Region& InitialCrack() const { return initialCrack_; }
  void SetRegions(const rgnC_Region& domain, const rgnC_Region& initialCrack) {
    domain_ = domain;
    initialCrack_ = initialCrack;
  }
  const cow_List<int>& NodeLabels() const { return labels_; }
  const cow_List<int>& NodeIntegers() const { return integers_; }
  const cow_List<double>& FirstValues() const { return firstValues_; }
  const cow_List<int>& Flags() const { return flags_; }
  const cow_List<double>& SecondValues() const { return secondValues_; }
  void AddNodeEntry(int label, int integer, double first, int flag, double second) {
    labels_.Append(label);
    integers_.Append(integer);
    firstValues_.Append(first);
    flags_.Append(flag);
    secondValues_.Append(second);
  }

  // Growth and enrichment: whether the crack may propagate, the radius of
  // the enriched zone (DBL_MAX when unset) and the name of the contact
  // interaction property of its faces (empty for none).
  bool AllowGrowth() const { return allowGrowth_; }
  void SetAllowGrowth(bool allow) { allowGrowth_ = allow; }
  double EnrichmentRadius() const { return enrichmentRadius_; }
  void SetEnrichmentRadius(double radius) { enrichmentRadius_ = radius; }
  const cow_String& InteractionName() const { return interactionName_; }
  void SetInteractionName(const cow_String& name) { interactionName_ = name; }

 private:
  bool suppressed_ = false;
  bool specified_ = false;
  rgnC_Region domain_;
  rgnC_Region initialCrack_;
  cow_List<int> labels_;
  cow_List<int> integers_;
  cow_List<double> firstValues_;
  cow_List<int> flags_;
  cow_List<double> secondValues_;
  bool allowGrowth_ = false;
  double enrichmentRadius_ = DBL_MAX;
  cow_String interactionName_;
};

// A crack given by its front and tip regions, for contour integral output.
// Its front advances along a normal (direction kind 0) or along q-vectors
// (direction kind 1): one q-vector for the whole front, or one per front
// segment. The front kind tells how the front region is taken apart into
// segments; symmetric cracks model half of the crack.
class kefC_ContourIntegral : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x34C0028;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_ContourIntegral* Clone() const override { return new kefC_ContourIntegral(*this); }
  CLS_REGISTER(kefC_ContourIntegral, kern_Object)

  static constexpr int kNormal = 0;
  static constexpr int kQVectors = 1;

  bool IsSuppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  const rgnC_Region& CrackFront() const { return front_; }
  const rgnC_Region& CrackTip() const { return tip_; }
  void SetRegions(const rgnC_Region& front, const rgnC_Region& tip) {
    front_ = front;
    tip_ = tip;
  }
  int FrontKind() const { return frontKind_; }
  void SetFrontKind(int kind) { frontKind_ = kind; }
  bool Symmetric() const { return symmetric_; }
  void SetSymmetric(bool symmetric) { symmetric_ = symmetric; }
  int DirectionKind() const { return directionKind_; }
  // The normal of the crack plane (direction kind 0).
  const gsl_ModelSegment& Normal() const { return normal_; }
  void SetNormal(const gsl_ModelSegment& normal) {
    normal_ = normal;
    directionKind_ = kNormal;
  }
  // The q-vectors (direction kind 1).
  const cow_List<gsl_ModelSegment>& QVectors() const { return qVectors_; }
  void SetQVectors(cow_List<gsl_ModelSegment> qVectors) {
    qVectors_ = std::move(qVectors);
    directionKind_ = kQVectors;
  }

 private:
  bool suppressed_ = false;
  rgnC_Region front_;
  rgnC_Region tip_;
  int frontKind_ = 0;
  bool symmetric_ = false;
  int directionKind_ = kQVectors;
  gsl_ModelSegment normal_;
  cow_List<gsl_ModelSegment> qVectors_;
};

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
  // The fasteners by name.
  const mdl_MapString2ObjCow<kefC_Fastener>& Fasteners() const { return fasteners_; }
  void AddFastener(const cow_String& name, const kefC_Fastener& fastener) {
    fasteners_.Set(name, fastener);
  }
  // The cracks by name (in name order); any kernel object a test stores is
  // handed out as it is, for the reader's type test.
  const mdl_MapString2ObjCow<kern_Object>& Cracks() const { return cracks_; }
  void AddCrack(const cow_String& name, const kern_Object& crack) { cracks_.Set(name, crack); }

 private:
  cow_List<cow_COW<kefC_Spring>> springs_;
  cow_List<cow_COW<kefC_Inertia>> inertias_;
  mdl_MapString2ObjCow<kefC_Fastener> fasteners_;
  mdl_MapString2ObjCow<kern_Object> cracks_;
};
