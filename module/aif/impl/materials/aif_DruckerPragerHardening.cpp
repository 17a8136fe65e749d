#include "aif/impl/materials/aif_DruckerPragerHardening.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_RateRuns.h"

namespace {

// The keyword line; `rate` is null for data without rates.
void aif_DruckerPragerHardeningLine(utl_Stream& stream, const kmaC_DruckerPragerHardening& option,
                                    const double* rate) {
  stream << "*Drucker Prager Hardening";
  aif_WriteDependencies(stream, option.dependencies);
  if (rate) stream << ", rate=" << *rate;
  if (option.type != kmaC_DruckerPragerHardening::COMPRESSION)
    aif_WriteOption(stream, "type=", aif_EnumText(option.type));
  stream.LineBreak();
}

}  // namespace

// Rate-dependent data (the rate the third value of each row) are written as
// one keyword per run of equal rates, the rows ordered by rate and written
// without it. A rate-dependent table without rows writes nothing; a table
// too narrow to hold a rate is written as data without rates.
void aif_DruckerPragerHardening::Write(utl_Stream& stream) const {
  const kmaC_MaterialTable& table = option_.table;
  const std::size_t columns = table.Columns();
  if (option_.rate && table.Rows() == 0) return;
  if (!option_.rate || columns < 3) {
    aif_DruckerPragerHardeningLine(stream, option_, nullptr);
    aif_WriteFrameTable(stream, option_);
    return;
  }
  aif_ForEachRateRow(option_, 2, [&](double rate, bool opensKeyword, const aif_DataLineTable& row) {
    if (opensKeyword) aif_DruckerPragerHardeningLine(stream, option_, &rate);
    stream << row;
  });
}
