#include "aif/impl/materials/aif_BiaxialTestData.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_SubOptionColumns.h"

void aif_BiaxialTestData::Write(utl_Stream& stream) const {
  aif_SubOptionWriteTestData(stream, "*Biaxial Test Data", option_, nullptr, true);
}
