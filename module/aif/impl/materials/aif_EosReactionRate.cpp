#include "aif/impl/materials/aif_EosReactionRate.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_EosReactionRate::Write(utl_Stream& stream) const {
  stream << "*Reaction Rate";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.reactionRateTable);
}
