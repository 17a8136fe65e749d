#include "aif/impl/materials/aif_Plastic.h"

#include <cstddef>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_AnnealTemperature.h"
#include "aif/impl/materials/aif_CycledPlastic.h"
#include "aif/impl/materials/aif_CyclicHardening.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_Ornl.h"
#include "aif/impl/materials/aif_Potential.h"
#include "aif/impl/materials/aif_RateDependent.h"
#include "aif/impl/materials/aif_RateRuns.h"

namespace {

constexpr int kPlasticRateColumn = 2;

// Rate-dependent data: one "*Plastic, rate=" keyword per run of equal rates,
// each row a data line without its rate.
void aif_PlasticWriteRateRuns(utl_Stream& stream, const kmaC_Plastic& option) {
  aif_ForEachRateRow(option, kPlasticRateColumn,
                     [&](double rate, bool opensKeyword, const aif_DataLineTable& row) {
                       if (opensKeyword) {
                         stream << "*Plastic, rate=" << rate;
                         aif_WriteDependencies(stream, option.dependencies);
                         stream.LineBreak();
                       }
                       stream << row;
                     });
}

// User hardening: the first value of every row, in row order, as one data row
// (eight values a line).
void aif_PlasticWriteUserProperties(utl_Stream& stream, const kmaC_MaterialTable& table) {
  if (table.Columns() == 0) return;
  cow_2DArray<double> properties(1, table.Rows());
  for (std::size_t r = 0; r < table.Rows(); ++r)
    properties.Modify(0, r) = table(r, 0);
  stream << aif_DataLineTable(properties, 0, 0);
}

void aif_PlasticWriteKeyword(utl_Stream& stream, const kmaC_Plastic& option) {
  stream << "*Plastic";
  aif_WriteDependencies(stream, option.dependencies);
  if (option.hardening == kmaC_Plastic::JOHNSON_COOK)
    aif_WriteOption(stream, "hardening=JOHNSON COOK");
  else if (option.hardening != kmaC_Plastic::ISOTROPIC)
    aif_WriteOption(stream, "hardening=", aif_EnumText(option.hardening));

  if (option.hardening == kmaC_Plastic::USER) {
    aif_WriteOption(stream, "properties=", static_cast<int>(option.table.Rows()));
    stream.LineBreak();
    aif_PlasticWriteUserProperties(stream, option.table);
    return;
  }
  const bool combined = option.hardening == kmaC_Plastic::COMBINED;
  if (combined) {
    if (option.dataType != kmaC_Plastic::HALF_CYCLE)
      aif_WriteOption(stream, "datatype=", aif_EnumText(option.dataType));
    aif_WriteOption(stream, "number backstresses=", option.numberBackstresses);
  }
  stream.LineBreak();
  aif_DataLineTable lines = aif_FrameTable(option);
  // Stabilized combined data without their optional third value keep the
  // place of that value empty ahead of the temperature and field values.
  if (combined && option.dataType == kmaC_Plastic::STABILIZED && !option.thirdColumn &&
      (option.temperatureDependency || option.dependencies > 0))
    lines.InsertColumn(2);
  stream << lines;
}

}  // namespace

void aif_Plastic::Write(utl_Stream& stream) const {
  if (option_.rateTable && option_.table.Rows() == 0) return;  // no keyword, so no sub-options
  // Rate-dependent data need the rate column; a narrower table carries no
  // rate and is written in the plain form.
  if (option_.rateTable && option_.table.Columns() > static_cast<std::size_t>(kPlasticRateColumn))
    aif_PlasticWriteRateRuns(stream, option_);
  else
    aif_PlasticWriteKeyword(stream, option_);

  aif_WriteSubOption<aif_RateDependent>(stream, option_.rateDependent);
  aif_WriteSubOption<aif_Potential>(stream, option_.potential);
  aif_WriteSubOption<aif_CyclicHardening>(stream, option_.cyclicHardening);
  aif_WriteSubOption<aif_Ornl>(stream, option_.ornl);
  aif_WriteSubOption<aif_CycledPlastic>(stream, option_.cycledPlastic);
  aif_WriteSubOption<aif_AnnealTemperature>(stream, option_.annealTemperature);
}
