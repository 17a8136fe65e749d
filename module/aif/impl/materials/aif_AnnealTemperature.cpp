#include "aif/impl/materials/aif_AnnealTemperature.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// The rows are written as they stand: no empty temperature column.
void aif_AnnealTemperature::Write(utl_Stream& stream) const {
  stream << "*Anneal Temperature";
  aif_WriteDependencies(stream, option_.dependencies);
  stream.LineBreak();
  stream << aif_DataLineTable(option_.table, option_.dependencies, false);
}
