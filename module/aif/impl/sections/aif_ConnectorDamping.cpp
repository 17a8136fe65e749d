#include "aif/impl/sections/aif_ConnectorDamping.h"

#include "aif/impl/sections/aif_ConnectorMatrixTable.h"

void aif_ConnectorDamping::Write(utl_Stream& stream) const {
  aif_ConnectorMatrixTable::Of("*Connector Damping", option_, 2).Write(stream);
}
