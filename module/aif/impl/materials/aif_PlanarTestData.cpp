#include "aif/impl/materials/aif_PlanarTestData.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_SubOptionColumns.h"

void aif_PlanarTestData::Write(utl_Stream& stream) const {
  aif_SubOptionWriteTestData(stream, "*Planar Test Data", option_, nullptr, true);
}
