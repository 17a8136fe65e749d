// "*Connector Damping" for one damping option of a connector section: the
// twin of the elasticity keyword without its rigid form (an option of
// another kind writes nothing); a nonlinear coupled table carries two
// columns per component.
#pragma once

#include "OdbAttrEO/kbeC_ConnectorDamping.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorDamping
    : public aif_ConnectorOptionKeyword<aif_ConnectorDamping, kbeC_ConnectorDamping> {
 public:
  explicit aif_ConnectorDamping(const kbeC_ConnectorDamping& option)
      : aif_ConnectorOptionKeyword(option) {}
  void Write(utl_Stream& stream) const override;
};
