#include "aif/impl/materials/aif_UniaxialTestData.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_SubOptionColumns.h"

// Tension or compression data of a foam (direction 1 or 2) never take the
// blank third value; a direction without a text writes no "direction=".
void aif_UniaxialTestData::Write(utl_Stream& stream) const {
  const char* direction = direction_ == 1   ? "direction=TENSION"
                          : direction_ == 2 ? "direction=COMPRESSION"
                                            : nullptr;
  aif_SubOptionWriteTestData(stream, "*Uniaxial Test Data", option_, direction, direction_ == 0);
}
