#include "aif/impl/materials/aif_AcousticMedium.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

// `keyword`, "dependencies=" with the table's d when d > 0, the line end and
// the table with its own d and T.
void aif_AcousticMediumBlock(utl_Stream& stream, const char* keyword,
                             const kmaC_AcousticMediumTable& data) {
  stream << keyword;
  aif_WriteDependencies(stream, data.dependencies);
  stream.LineBreak();
  aif_WriteFrameTable(stream, data.table, data.dependencies, data.temperatureDependency);
}

}  // namespace

void aif_AcousticMedium::Write(utl_Stream& stream) const {
  aif_AcousticMediumBlock(stream, "*Acoustic Medium", option_.bulkModulusTable);
  if (option_.volumetricDrag)
    aif_AcousticMediumBlock(stream, "*Acoustic Medium, volumetric drag",
                            option_.volumetricDragTable);
}
