// The kernel's membrane, surface, cohesive, gasket, Eulerian, acoustic
// interface, PEG and acoustic infinite sections: the values the section
// keywords write, as public members. An unset optional double holds the
// largest double.
#pragma once

#include <cfloat>
#include <optional>

#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"

#define KSEC_SECTION_CLASS(Name, Id) KERN_CLASS_HEAD(Name, kseC_Section, Id)

class kseC_MembraneSection : public kseC_Section {
  KSEC_SECTION_CLASS(kseC_MembraneSection, 0x2600012)
  // The rebar, or null when the section has none.
  const kseC_Rebar* Rebar() const { return rebar ? &*rebar : nullptr; }

  // 0 uniform; 1 or 2 given by the field `thicknessField`.
  int thicknessType = 0;
  double thickness = 1.0;
  // Non-zero when `poisson` is given.
  int poissonFlag = 0;
  double poisson = 0.5;
  cow_String material;
  cow_String thicknessField;
  std::optional<kseC_Rebar> rebar;
};

class kseC_SurfaceSection : public kseC_Section {
  KSEC_SECTION_CLASS(kseC_SurfaceSection, 0x2600039)
  // The rebar, or null when the section has none.
  const kseC_Rebar* Rebar() const { return rebar ? &*rebar : nullptr; }

  bool densityFlag = false;
  double density = 0.0;
  std::optional<kseC_Rebar> rebar;
};

class kseC_CohesiveSection : public kseC_Section {
  KSEC_SECTION_CLASS(kseC_CohesiveSection, 0x2600041)
  // 0 traction separation, 1 continuum, 2 gasket.
  int response = 0;
  // 1 from the geometry, 2 specified by `thickness`.
  int thicknessMode = 1;
  double thickness = 1.0;
  double outOfPlaneThickness = DBL_MAX;
  cow_String material;
};

class kseC_GasketSection : public kseC_Section {
  KSEC_SECTION_CLASS(kseC_GasketSection, 0x2600018)
  double g1 = 0.0;
  double g2 = 0.0;
  double g3 = DBL_MAX;
  double g4 = 0.0;
  double stabilizationStiffness = DBL_MAX;
  // The material, or the gasket behaviour when the section names one.
  cow_String material;
};

class kseC_EulerianSection : public kseC_Section {
  KSEC_SECTION_CLASS(kseC_EulerianSection, 0x2600049)
  // Material instance name -> material name.
  cow_Map<cow_String, cow_String> materialInstances;
};

class kseC_AcousticInterfaceSection : public kseC_Section {
  KSEC_SECTION_CLASS(kseC_AcousticInterfaceSection, 0x2600044)
  double value = 1.0;
};

class kseC_PEGSection : public kseC_Section {
  KSEC_SECTION_CLASS(kseC_PEGSection, 0x260001A)
  double values[3] = {1.0, 0.0, 0.0};
  cow_String material;
};

class kseC_AcousticInfiniteSection : public kseC_Section {
  KSEC_SECTION_CLASS(kseC_AcousticInfiniteSection, 0x2600043)
  double value = 1.0;
  int order = 10;
  cow_String material;
};

#undef KSEC_SECTION_CLASS
