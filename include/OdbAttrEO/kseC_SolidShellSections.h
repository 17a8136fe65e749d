// The kernel's solid, truss, fluid and shell sections, with the records they
// hold: the plies of composite sections (kseC_Layer) and the rebar layers of
// shell, membrane and surface sections (kseC_Rebar, kseC_LayerProperties).
// Plain data read by the section keywords; an unset optional double holds the
// largest double, an unset optional int 2147483647.
#pragma once

#include <cfloat>
#include <optional>

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_TransverseShear.h"
#include "QivBasicUtils/omu_PrimEnum.h"

// Declares a section class with its type id; the body follows the macro.
#define KSEC_CLASS_HEAD(Name, Base, Id) KERN_CLASS_HEAD(Name, Base, Id)

// One rebar layer. R1 to R7 are the kernel's values (area, spacing, position,
// angle, ...); the keywords only place them in columns.
struct kseC_LayerProperties {
  double r1 = 0.0;
  cow_String orientation;  // the layer's own orientation, or empty
  double r2 = 0.0;
  double r3 = 0.0;
  double r4 = 0.0;
  double r5 = 0.0;
  double r6 = 0.0;
  double r7 = 0.0;
  cow_String layerName;
  cow_String material;
};

// The rebar of a section: the geometry kind (0 none, 1 angular, 2 lift
// equation) and the layers.
struct kseC_Rebar {
  int geometry = 0;
  cow_List<kseC_LayerProperties> layers;
};

// One ply of a composite solid or shell section.
struct kseC_Layer {
  double thickness = 0.0;
  int thicknessFlag = 0;  // 1: the thickness is given by thicknessDistribution
  cow_String thicknessDistribution;
  int numIntPoints = 3;
  cow_String material;
  cow_String plyName;
  dtmC_DatumRef datum;      // a coordinate system of the ply's own, or null
  cow_String orientation;   // a named orientation, or empty ...
  double orientationAngle = 0.0;  // ... then this angle
  int additionalRotationKind = 0;  // 0 none, 1 angle, 2 distribution
  double additionalRotationAngle = 0.0;
  cow_String rotationDistribution;
};

// ---- solid, truss and fluid sections --------------------------------------

class kseC_SolidSection : public kseC_Section {
  KSEC_CLASS_HEAD(kseC_SolidSection, kseC_Section, 0x2600030)
};

class kseC_HomogenousSolidSection : public kseC_SolidSection {
  KSEC_CLASS_HEAD(kseC_HomogenousSolidSection, kseC_SolidSection, 0x2600003)
  cow_String material;
  double thickness = DBL_MAX;  // unset: DBL_MAX
};

class kseC_CompositeSolidSection : public kseC_SolidSection {
  KSEC_CLASS_HEAD(kseC_CompositeSolidSection, kseC_SolidSection, 0x2600004)
  cow_String layup;
  bool symmetric = false;
  cow_List<kseC_Layer> layers;
};

class kseC_TrussSection : public kseC_Section {
  KSEC_CLASS_HEAD(kseC_TrussSection, kseC_Section, 0x2600011)
  cow_String material;
  double area = 1.0;
};

class kseC_FluidSection : public kseC_Section {
  KSEC_CLASS_HEAD(kseC_FluidSection, kseC_Section, 0x2600031)
};

class kseC_HomogenousFluidSection : public kseC_FluidSection {
  KSEC_CLASS_HEAD(kseC_HomogenousFluidSection, kseC_FluidSection, 0x260004C)
  cow_String material;
};

// ---- shell sections ----------------------------------------------------------

class kseC_ShellSection : public kseC_Section {
  KSEC_CLASS_HEAD(kseC_ShellSection, kseC_Section, 0x2600032)
  std::optional<kseC_TransverseShear> transverseShear;
};

// A shell section given by its geometry: a thickness and a material, or plies.
class kseC_GeometryShellSection : public kseC_ShellSection {
  KSEC_CLASS_HEAD(kseC_GeometryShellSection, kseC_ShellSection, 0x2600033)
  enum IntegrationRuleEnm { INTEGRATION_NONE = 0, SIMPSON = 1, GAUSS = 2 };

  // The rebar, or null when the section has none.
  const kseC_Rebar* Rebar() const { return rebar ? &*rebar : nullptr; }

  bool general = false;      // written as "*Shell General Section"
  int thicknessType = 0;     // 0 uniform, 1 or 2 a field, 3 or 4 nodal thickness
  int poissonFlag = 0;
  double poisson = 0.5;
  IntegrationRuleEnm integrationRule = INTEGRATION_NONE;
  int temperatureMode = 0;   // 1: temperature points through the thickness
  int temperaturePoints = 5;
  int layerOption = 0;       // 1 smear all, 2 membrane only, 3 bending only, 4 smear keep core
  double thicknessModulus = DBL_MAX;
  bool densityFlag = false;
  double density = 0.0;
  cow_String thicknessField;
  std::optional<kseC_Rebar> rebar;
};

template <>
struct omu_EnumTexts<kseC_GeometryShellSection::IntegrationRuleEnm> {
  static constexpr omu_EnumText kTable[] = {{0, ""}, {1, "SIMPSON"}, {2, "GAUSS"}};
};

class kseC_HomogenousShellSection : public kseC_GeometryShellSection {
  KSEC_CLASS_HEAD(kseC_HomogenousShellSection, kseC_GeometryShellSection, 0x260000B)
  double thickness = 0.0;
  int numIntPoints = 5;
  cow_String material;
};

class kseC_CompositeShellSection : public kseC_GeometryShellSection {
  KSEC_CLASS_HEAD(kseC_CompositeShellSection, kseC_GeometryShellSection, 0x260000C)
  bool symmetric = false;
  cow_List<kseC_Layer> layers;
  cow_String layup;
};

// A general shell section of a kind the writer has no keyword for.
class kseC_GeneralShellSection : public kseC_ShellSection {
  KSEC_CLASS_HEAD(kseC_GeneralShellSection, kseC_ShellSection, 0x260000D)
};

// A shell section whose behaviour a user subroutine defines.
class kseC_UserShellSection : public kseC_ShellSection {
  KSEC_CLASS_HEAD(kseC_UserShellSection, kseC_ShellSection, 0x260000E)
};

// A shell section given by its stiffness matrix directly.
class kseC_GeneralStiffnessSection : public kseC_ShellSection {
  KSEC_CLASS_HEAD(kseC_GeneralStiffnessSection, kseC_ShellSection, 0x2600048)
  bool densityFlag = false;
  double density = 0.0;
  double zero = DBL_MAX;
  int poissonFlag = 0;
  double poisson = 0.5;
  double thicknessModulus = DBL_MAX;
  int dependencies = 0;          // number of field dependencies
  cow_List<double> stiffness;    // the 21 values of the upper triangle
  bool thermalFlag = false;
  cow_List<double> thermal;      // 6 values
  bool columnFlag = false;       // clear: a blank column stands before the third value of a row
  cow_2DArray<double> table;     // the dependency table, row by row
};

#undef KSEC_CLASS_HEAD
