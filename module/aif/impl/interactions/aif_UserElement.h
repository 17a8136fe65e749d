// "*User Element, type=": the one-node user element an actuator or sensor is
// written as, with the counts of its property values. The actuator/sensor
// pass files one per actuator or sensor, in the part or instance that holds
// its region.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "OdbAttrEO/kinC_Interaction.h"

class utl_Stream;

class aif_UserElement : public akw_Keyword {
 public:
  // `interaction` (shared) must be a kinC_ActuatorSensor; it is tested when
  // written. `property` (copied) gives the counts of real and integer
  // property values; without it both counts are 0.
  aif_UserElement(const cow_COW<kinC_Interaction>& interaction,
                  const kinC_ActuatorSensorProp& property);
  explicit aif_UserElement(const cow_COW<kinC_Interaction>& interaction);
  aif_UserElement(const aif_UserElement&) = default;

  akw_Keyword* Clone() const override { return new aif_UserElement(*this); }
  // "*User Element, type=T, nodes=1", ", coordinates=N" unless 0,
  // ", properties=N", ", i properties=N" behind an optional line break,
  // ", unsymm" when unsymmetric and ", variables=N"; then the degrees-of-
  // freedom line as it stands. Throws the type test's exception, writing
  // nothing, for another interaction class.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_Interaction> interaction_;
  kinC_ActuatorSensorProp property_;
};
