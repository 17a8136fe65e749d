#include "aif/impl/materials/aif_ClayPlasticity.h"

#include <cfloat>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_ClayHardening.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_ClayPlasticity::Write(utl_Stream& stream) const {
  stream << "*Clay Plasticity";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.hardening != kmaC_ClayPlasticity::EXPONENTIAL)
    aif_WriteOption(stream, "hardening=", aif_EnumText(option_.hardening));
  if (option_.intercept != DBL_MAX) aif_WriteOption(stream, "intercept=", option_.intercept);
  stream.LineBreak();
  // Tabular hardening leaves the first value of every data row empty: the
  // blank is the table's first column, so it counts among the eight values
  // of a line.
  aif_DataLineTable lines = aif_FrameTable(option_);
  if (option_.hardening == kmaC_ClayPlasticity::TABULAR) lines.InsertColumn(0);
  stream << lines;
  aif_WriteSubOption<aif_ClayHardening>(stream, option_.clayHardening);
}
