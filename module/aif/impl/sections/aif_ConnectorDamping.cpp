#include "aif/impl/sections/aif_ConnectorDamping.h"

#include "aif/impl/sections/aif_ConnectorMatrixTable.h"

void aif_ConnectorDamping::Write(utl_Stream& stream) const {
  const aif_ConnectorMatrixTable table{"*Connector Damping",
                                       option_.behavior,
                                       option_.coupling,
                                       option_.frequencyDependent,
                                       option_.components,
                                       option_.independentComponents,
                                       option_.data,
                                       2};
  table.Write(stream);
}
