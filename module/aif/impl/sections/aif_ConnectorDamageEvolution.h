// "*Connector Damage Evolution": the evolution of a connector damage option
// (motion or energy, softening, affected components, degradation) and its
// table; nothing when the damage has no evolution data. Written by
// aif_ConnectorDamageInitiation.
#pragma once

#include "OdbAttrEO/kbeC_ConnectorDamage.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorDamageEvolution
    : public aif_ConnectorOptionKeyword<aif_ConnectorDamageEvolution, kbeC_ConnectorDamage> {
 public:
  aif_ConnectorDamageEvolution(const kbeC_ConnectorDamage& option, int optionIndex)
      : aif_ConnectorOptionKeyword(option), optionIndex_(optionIndex) {}
  void Write(utl_Stream& stream) const override;

 private:
  int optionIndex_;
};
