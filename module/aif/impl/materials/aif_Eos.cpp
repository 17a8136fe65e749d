#include "aif/impl/materials/aif_Eos.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_DetonationPoint.h"
#include "aif/impl/materials/aif_EosCompaction.h"
#include "aif/impl/materials/aif_EosGasSpecificHeat.h"
#include "aif/impl/materials/aif_EosReactionRate.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Eos::Write(utl_Stream& stream) const {
  stream << "*Eos";
  aif_WriteOption(stream, "type=", aif_EnumText(option_.type));
  if (option_.type == kmaC_Eos::IGNITION_AND_GROWTH) {
    stream << ", detonation energy=" << option_.detonationEnergy;
    stream.LineBreak();
    aif_WritePlainTable(stream, option_.type4Table1);
    aif_WritePlainTable(stream, option_.type4Table2);
    aif_EosReactionRate(option_).Write(stream);
    aif_EosGasSpecificHeat(option_).Write(stream);
    return;
  }
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
  aif_WriteSubOption<aif_DetonationPoint>(stream, option_.detonationPoint);
  if (option_.type == kmaC_Eos::IDEAL_GAS)
    aif_WriteSubOption<aif_EosCompaction>(stream, option_.compaction);
}
