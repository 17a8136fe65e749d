#include "aif/impl/sections/aif_ConnectorElasticity.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/sections/aif_ConnectorMatrixTable.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"

void aif_ConnectorElasticity::Write(utl_Stream& stream) const {
  if (option_.behavior == 2) {
    stream << "*Connector Elasticity, rigid";
    stream.LineBreak();
    aif_WriteComponentLine(stream, option_.components);
    return;
  }
  const aif_ConnectorMatrixTable table{.keyword = "*Connector Elasticity",
                                       .behavior = option_.behavior,
                                       .coupling = option_.coupling,
                                       .frequencyDependent = option_.frequencyDependent,
                                       .components = option_.components,
                                       .independentComponents = option_.independentComponents,
                                       .data = option_.data,
                                       .columnsPerComponent = 1};
  table.Write(stream);
}
