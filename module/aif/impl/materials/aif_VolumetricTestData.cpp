#include "aif/impl/materials/aif_VolumetricTestData.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_SubOptionColumns.h"

void aif_VolumetricTestData::Write(utl_Stream& stream) const {
  stream << "*Volumetric Test Data";
  if (option_.volinf != DBL_MAX) aif_WriteOption(stream, "volinf=", option_.volinf);
  if (option_.smooth != INT_MAX) aif_WriteOption(stream, "smooth=", option_.smooth);
  aif_WriteDependencies(stream, option_.dependencies);
  stream.LineBreak();
  aif_DataLineTable lines(option_.table, 0, false);
  aif_SubOptionTemperatureBlank(lines, static_cast<int>(option_.table.Columns()),
                                option_.dependencies, option_.temperatureDependency);
  stream << lines;
}
