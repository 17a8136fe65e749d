// "*Connector Stop": per component of a stop option, one keyword with the
// lower and upper limit (an unset limit leaves its field empty); nothing when
// both limits are unset.
#pragma once

#include "OdbAttrEO/kbeC_ConnectorStop.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorStop : public aif_ConnectorOptionKeyword<aif_ConnectorStop, kbeC_ConnectorStop> {
 public:
  explicit aif_ConnectorStop(const kbeC_ConnectorStop& option)
      : aif_ConnectorOptionKeyword(option) {}
  void Write(utl_Stream& stream) const override;
};
