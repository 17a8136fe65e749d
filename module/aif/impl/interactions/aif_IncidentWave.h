// "*Incident Wave Interaction": an incident wave in the step that creates it,
// with its amplitude or source kind, its property and the data line of its
// three regions. In a steady-state dynamics step with a real and an imaginary
// amplitude a second keyword ("load case=2") carries the imaginary one. The
// step-dependent interaction pass makes one per wave and step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_IncidentWave.h"

class aif_IncidentWave : public akw_Keyword {
 public:
  // `first`, `second` and `third` are the names of the wave's three regions
  // as the data line writes them (qualified names made by the caller).
  aif_IncidentWave(const kinC_IncidentWave& interaction, const cow_String& stepName,
                   const cow_String& first, const cow_String& second, const cow_String& third);
  aif_IncidentWave(const aif_IncidentWave&) = default;

  akw_Keyword* Clone() const override { return new aif_IncidentWave(*this); }
  // Nothing unless the wave is created in the step (status 1). Otherwise the
  // keyword line (", real" or ", imaginary" in a steady-state dynamics step,
  // the amplitude or source option, the property) and the data line: third,
  // first, second region and the magnitude, or for an air blast third and
  // first region, a blank field and the two blast values.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteImaginaryLoadCase(utl_Stream& stream) const;

  cow_String first_;
  cow_String second_;
  cow_String third_;
  kinC_IncidentWave interaction_;
  cow_String stepName_;
};
