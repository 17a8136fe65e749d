#include "aif/impl/steps/aif_Buckle.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {

constexpr char kBuckleFile[] = "module/aif/impl/steps/aif_Buckle.cpp";
constexpr int kBuckleLanczos = 1;

}  // namespace

aif_Buckle::aif_Buckle(const kprC_Step& step) : aif_ProcedureKeyword(step, kBuckleFile, __LINE__) {}

// Any eigensolver but Lanczos is the subspace one, the solver's default.
void aif_Buckle::Write(utl_Stream& stream) const {
  const bool lanczos = step_.Eigensolver() == kBuckleLanczos;
  stream << "*Buckle";
  if (lanczos) stream << ", eigensolver=lanczos";
  stream.LineBreak();

  aif_WriteIfGiven(stream, step_.NumEigen());
  stream << ", ";
  if (lanczos) {
    aif_WriteIfSet(stream, step_.MinEigen());
    stream << ", ";
    aif_WriteIfSet(stream, step_.MaxEigen());
    stream << ", ";
    aif_WriteIfGiven(stream, step_.BlockSize());
    stream << ", ";
    aif_WriteIfGiven(stream, step_.MaxBlocks());
  } else {
    aif_WriteIfSet(stream, step_.MaxEigen());
    stream << ", ";
    aif_WriteIfGiven(stream, step_.NumVectors());
    stream << ", ";
    aif_WriteIfGiven(stream, step_.MaxIterations());
  }
  stream.LineBreak();
}
