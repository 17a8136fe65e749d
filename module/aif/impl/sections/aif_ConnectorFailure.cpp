#include "aif/impl/sections/aif_ConnectorFailure.h"

#include "aif/impl/sections/aif_ConnectorLock.h"

void aif_ConnectorFailure::Write(utl_Stream& stream) const {
  aif_WriteConnectorLimits(stream, "*Connector Failure, component=", ", release=", option_.release,
                           option_.values, option_.components);
}
