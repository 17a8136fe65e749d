// "*UNDEX Charge Property": the underwater explosion charge of an incident
// wave property whose source is an UNDEX charge, with the charge's depth and
// direction taken from the incident wave that names the property. The
// interaction-property pass makes it from the property, gives it the wave's
// values through SetWaveData and files it after the CONWEP charge keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivGeom/gsl_ModelSegment.h"

class aif_UNDEXChargeProperty : public akw_Keyword {
 public:
  // The wave value 0 and a default segment until SetWaveData.
  explicit aif_UNDEXChargeProperty(const cow_COW<kinC_InteractionProperty>& property);
  aif_UNDEXChargeProperty(const aif_UNDEXChargeProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_UNDEXChargeProperty(*this); }
  // The incident wave's value and segment, written on the last data line.
  void SetWaveData(double value, const gsl_ModelSegment& segment);
  // Nothing for an air or surface blast or a source not given by an UNDEX
  // charge. Otherwise the keyword line and four data lines: the charge's six
  // values; the bubble's seven (its flag as "1.0" or "0.0"); the integration
  // values; the wave value and the segment's direction. A property that is
  // not an incident wave property fails its type test.
  void Write(utl_Stream& stream) const override;

 private:
  double waveValue_ = 0.0;
  gsl_ModelSegment waveSegment_;
  cow_COW<kinC_InteractionProperty> property_;
};
