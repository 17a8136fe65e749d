#include "aif/impl/steps/aif_ComplexFrequency.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {

constexpr char kComplexFrequencyFile[] = "module/aif/impl/steps/aif_ComplexFrequency.cpp";

// A maximum frequency from this value up stands for "no upper bound" unless a
// minimum frequency is given.
constexpr double kComplexFrequencyNoMaximum = 1e18;

}  // namespace

aif_ComplexFrequency::aif_ComplexFrequency(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kComplexFrequencyFile, __LINE__) {}

void aif_ComplexFrequency::Write(utl_Stream& stream) const {
  stream << "*Complex Frequency";
  if (step_.PropertyEvaluation() != kprC_UNSET)
    stream << ", property evaluation=" << step_.PropertyEvaluation();
  stream << (step_.FrictionDamping() ? ", friction damping=YES" : ", friction damping=NO");
  stream.LineBreak();

  aif_WriteIfGiven(stream, step_.NumEigen());
  stream << ", ";
  aif_WriteIfSet(stream, step_.MinFrequency());
  stream << ", ";
  const double maximum = step_.MaxFrequency();
  if (maximum < kComplexFrequencyNoMaximum || step_.MinFrequency() != kprC_UNSET)
    aif_WriteIfSet(stream, maximum);
  stream << ", ";
  if (step_.Shift() != 0.0) stream << step_.Shift();
  stream.LineBreak();
}
