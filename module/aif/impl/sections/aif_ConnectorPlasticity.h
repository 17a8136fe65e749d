// "*Connector Plasticity": a connector plasticity option with its hardening,
// once per component while the option has components and no potential that
// writes a term (aif_PotentialWritesTerms), otherwise once without a
// component; then its "*Connector Potential".
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbeC_ConnectorPlasticity.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorPlasticity
    : public aif_ConnectorOptionKeyword<aif_ConnectorPlasticity, kbeC_ConnectorPlasticity> {
 public:
  // `optionIndex` (from 1) and `stem` make the potential's generated names.
  aif_ConnectorPlasticity(const kbeC_ConnectorPlasticity& option, int optionIndex,
                          const cow_String& stem = cow_String())
      : aif_ConnectorOptionKeyword(option), optionIndex_(optionIndex), stem_(stem) {}
  void Write(utl_Stream& stream) const override;
  // Enters the derived components the potential names ("-CP-").
  void CollectDerivedComponents(aif_DerivedComponentMap& map) const;

 private:
  int optionIndex_;
  cow_String stem_;
};
