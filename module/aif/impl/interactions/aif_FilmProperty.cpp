#include "aif/impl/interactions/aif_FilmProperty.h"

#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_FilmConditionProp.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kFilmPropertyFile[] = "module/aif/impl/interactions/aif_FilmProperty.cpp";
// Values on one data line of a film or emissivity table.
constexpr std::size_t kFilmValuesPerLine = 8;

}  // namespace

void aif_WriteFilmTableRows(utl_Stream& stream, const cow_2DArray<double>& table,
                            bool secondColumn) {
  const std::size_t columns = table.Columns();
  for (std::size_t row = 0; row < table.Rows(); ++row) {
    for (std::size_t column = 0; column < columns; ++column) {
      if (column == 1 && !secondColumn) stream << ", ";
      stream << table(row, column);
      if ((column + 1) % kFilmValuesPerLine == 0 || column + 1 == columns)
        stream.LineBreak();
      else
        stream << ", ";
    }
  }
}

aif_FilmProperty::aif_FilmProperty(cow_String name, const kinC_InteractionProperty& property)
    : name_(std::move(name)), property_(property) {}

void aif_FilmProperty::Write(utl_Stream& stream) const {
  const auto& film =
      nex_canDynamicCastRef<const kinC_FilmConditionProp>(*property_, kFilmPropertyFile, __LINE__);
  stream << "*Film Property, name=" << akw_MorvexName(name_, false);
  if (film.Dependencies() != 0) aif_Option(stream) << "dependencies=" << film.Dependencies();
  stream.LineBreak();
  aif_WriteFilmTableRows(stream, film.Table(), film.SecondColumn());
}
