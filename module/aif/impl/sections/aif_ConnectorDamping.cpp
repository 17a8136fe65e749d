#include "aif/impl/sections/aif_ConnectorDamping.h"

#include "aif/impl/sections/aif_ConnectorMatrixTable.h"

void aif_ConnectorDamping::Write(utl_Stream& stream) const {
  const aif_ConnectorMatrixTable table{.keyword = "*Connector Damping",
                                       .behavior = option_.behavior,
                                       .coupling = option_.coupling,
                                       .frequencyDependent = option_.frequencyDependent,
                                       .components = option_.components,
                                       .independentComponents = option_.independentComponents,
                                       .data = option_.data,
                                       .columnsPerComponent = 2};
  table.Write(stream);
}
