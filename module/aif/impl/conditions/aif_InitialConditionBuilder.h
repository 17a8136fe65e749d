// Files the initial conditions that come from no predefined field, under the
// initial step: "*Initial Conditions, type=ENRICHMENT" for each XFEM crack
// of the assembly and "type=SOLUTION" for each actuator or sensor. Files no
// banner. A member of the input-file driver, built after the materials and
// written after the inertias, right before the boundary conditions.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_String.h"
#include "aif/impl/core/aif_SectionHeader.h"

class aif_ModelInfo;
class rgnC_Region;

// The name of the "_AS_" set an actuator or sensor on `region` is written
// on: the region's qualified name with "_AS_" joined before quoting. Empty
// when no such set is defined: outside a Standard analysis, for a region the
// kernel does not resolve, or one whose part instances are gone.
cow_String aif_ActuatorSensorSetName(const aif_ModelInfo& info, const rgnC_Region& region);

class aif_InitialConditionBuilder : public akw_BuilderComponent {
 public:
  explicit aif_InitialConditionBuilder(akw_ModelInfo& modelInfo);
  aif_InitialConditionBuilder(const aif_InitialConditionBuilder&) = default;

  // The cracks in name order (suppressed ones passed over), then the
  // actuators and sensors in name order. Throws the type test's exception
  // for engineering features that are not of their class.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_InitialConditionBuilder(*this); }

  // The number of solution-dependent variables every actuator or sensor
  // line spans: 0 without an unsuppressed actuator or sensor, else the
  // largest count of the actuators and sensors, the materials' dependent
  // variables and the contact properties whose first sub-option is of kind
  // 5.
  int SolutionVariableCount() const;

 private:
  void AddCracks();
  void AddActuatorSensors();
  aif_ModelInfo& Info() const;

  // Kept for the banner the builder does not file.
  aif_SectionHeader header_;
};
