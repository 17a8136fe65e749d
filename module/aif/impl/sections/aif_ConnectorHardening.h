// "*Connector Hardening": the isotropic and the kinematic hardening of a
// connector plasticity option, each a keyword with its definition and table
// when the option has it. Written by aif_ConnectorPlasticity.
#pragma once

#include "OdbAttrEO/kbeC_ConnectorPlasticity.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorHardening
    : public aif_ConnectorOptionKeyword<aif_ConnectorHardening, kbeC_ConnectorPlasticity> {
 public:
  explicit aif_ConnectorHardening(const kbeC_ConnectorPlasticity& option)
      : aif_ConnectorOptionKeyword(option) {}
  void Write(utl_Stream& stream) const override;
};
