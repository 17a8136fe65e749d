#include "aif/impl/conditions/aif_BaselineCorrection.h"

#include <cstddef>

#include "QivBasicUtils/utl_Stream.h"

aif_BaselineCorrection::aif_BaselineCorrection(const kamC_BaselineCorrection& correction)
    : correction_(correction) {}

void aif_BaselineCorrection::Write(utl_Stream& stream) const {
  stream << "*Baseline Correction";
  stream.LineBreak();
  std::size_t onLine = 0;
  for (double value : correction_.Values()) {
    if (onLine > 0) stream << ", ";
    stream << value;
    if (++onLine == 8) {
      stream.LineBreak();
      onLine = 0;
    }
  }
  if (onLine > 0) stream.LineBreak();
}
