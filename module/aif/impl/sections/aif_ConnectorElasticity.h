// "*Connector Elasticity" for one elasticity option of a connector section:
// rigid (one line of components), linear per component, linear coupled (the
// lower triangle of the stiffness matrix), nonlinear per component, or
// nonlinear coupled with its independent components.
#pragma once

#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorElasticity
    : public aif_ConnectorOptionKeyword<aif_ConnectorElasticity, kbeC_ConnectorElasticity> {
 public:
  explicit aif_ConnectorElasticity(const kbeC_ConnectorElasticity& option)
      : aif_ConnectorOptionKeyword(option) {}
  void Write(utl_Stream& stream) const override;
};
