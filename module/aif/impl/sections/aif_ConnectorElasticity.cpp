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
  aif_ConnectorMatrixTable::Of("*Connector Elasticity", option_, 1).Write(stream);
}
