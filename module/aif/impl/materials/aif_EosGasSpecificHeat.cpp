#include "aif/impl/materials/aif_EosGasSpecificHeat.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// The gas-specific-heat table with the dependency count and temperature flag
// of the equation of state itself.
void aif_EosGasSpecificHeat::Write(utl_Stream& stream) const {
  stream << "*Gas Specific Heat";
  aif_WriteDependencies(stream, option_.dependencies);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_.gasSpecificHeatTable, option_.dependencies,
                      option_.temperatureDependency);
}
