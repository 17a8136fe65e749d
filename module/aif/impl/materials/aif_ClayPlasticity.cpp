#include "aif/impl/materials/aif_ClayPlasticity.h"

#include <cfloat>
#include <cstddef>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_ClayHardening.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

// Tabular hardening leaves the first value of every data row empty: each row
// is written as ", " and the row's own frame table, so a row keeps its
// values in their places whatever the other rows hold.
void aif_ClayPlasticityWriteTabularRows(utl_Stream& stream, const kmaC_ClayPlasticity& option) {
  const kmaC_MaterialTable& table = option.table;
  if (table.Columns() == 0) return;
  for (std::size_t r = 0; r < table.Rows(); ++r) {
    kmaC_MaterialTable row(1, table.Columns());
    for (std::size_t c = 0; c < table.Columns(); ++c)
      row.Modify(0, c) = table(r, c);
    stream << ", ";
    aif_WriteFrameTable(stream, row, option.dependencies, option.temperatureDependency);
  }
}

}  // namespace

void aif_ClayPlasticity::Write(utl_Stream& stream) const {
  stream << "*Clay Plasticity";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.hardening != kmaC_ClayPlasticity::EXPONENTIAL)
    aif_WriteOption(stream, "hardening=", aif_EnumText(option_.hardening));
  if (option_.intercept != DBL_MAX) aif_WriteOption(stream, "intercept=", option_.intercept);
  stream.LineBreak();
  if (option_.hardening == kmaC_ClayPlasticity::TABULAR)
    aif_ClayPlasticityWriteTabularRows(stream, option_);
  else
    aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_ClayHardening>(stream, option_.clayHardening);
}
