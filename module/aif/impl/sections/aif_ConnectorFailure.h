// "*Connector Failure": per component of a failure option, one keyword with
// ", release=" (when the code is set) and a line of the four values (an unset
// value leaves its field empty); nothing when all four are unset.
#pragma once

#include "OdbAttrEO/kbeC_ConnectorFailure.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorFailure
    : public aif_ConnectorOptionKeyword<aif_ConnectorFailure, kbeC_ConnectorFailure> {
 public:
  explicit aif_ConnectorFailure(const kbeC_ConnectorFailure& option)
      : aif_ConnectorOptionKeyword(option) {}
  void Write(utl_Stream& stream) const override;
};
