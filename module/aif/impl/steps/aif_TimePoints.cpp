#include "aif/impl/steps/aif_TimePoints.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr std::size_t kTimePointsPerLine = 8;
constexpr std::size_t kTimePointsGenerateColumns = 3;

}  // namespace

void aif_TimePoints::Write(utl_Stream& stream) const {
  stream << "*Time Points, name=" << akw_MorvexName(name_, false);
  const cow_List<cow_List<double>>& rows = points_.Rows();

  if (points_.NumColumns() == kTimePointsGenerateColumns) {
    stream << ", GENERATE";
    stream.LineBreak();
    // A shorter row writes the values it has.
    for (const cow_List<double>& row : rows) {
      for (std::size_t i = 0; i < row.Length() && i < kTimePointsGenerateColumns; ++i) {
        if (i > 0) stream << ", ";
        stream << row[i];
      }
      stream.LineBreak();
    }
    return;
  }

  stream.LineBreak();
  std::size_t onLine = 0;
  for (const cow_List<double>& row : rows) {
    if (row.IsEmpty()) continue;
    if (onLine == kTimePointsPerLine) {
      stream.LineBreak();
      onLine = 0;
    }
    if (onLine > 0) stream << ", ";
    stream << row[0];
    ++onLine;
  }
  stream.LineBreak();
}
