#include "aif/impl/steps/aif_RandomResponse.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_FrequencyRangeLine.h"

namespace {

constexpr char kRandomResponseFile[] = "module/aif/impl/steps/aif_RandomResponse.cpp";

}  // namespace

aif_RandomResponse::aif_RandomResponse(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kRandomResponseFile, __LINE__) {}

// Each range line ends with ", " and, for a linear frequency scale, 1 (the
// field is blank for the logarithmic scale).
void aif_RandomResponse::Write(utl_Stream& stream) const {
  stream << "*Random Response";
  stream.LineBreak();
  const bool linear = step_.FrequencyScale() == 1;
  for (const kprC_RandomResponseFrequency& range : step_.Frequencies()) {
    aif_WriteFrequencyRangeLine(stream, range);
    stream << ", ";
    if (linear) stream << 1;
    stream.LineBreak();
  }
}
