#include "aif/impl/steps/aif_GlobalDamping.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

void WriteGlobalDampingValue(utl_Stream& stream, const char* option, double value) {
  if (value != 0.0) aif_Option(stream) << option << value;
}

}  // namespace

void aif_GlobalDamping::Write(utl_Stream& stream) const {
  const int field = field_.IntValue();
  if (field == 0) return;
  stream << "*Global Damping";
  aif_Option(stream) << "field=" << (field == 2 ? "ACOUSTIC" : field == 3 ? "MECHANICAL" : "ALL");
  WriteGlobalDampingValue(stream, "alpha=", alpha_);
  WriteGlobalDampingValue(stream, "beta=", beta_);
  WriteGlobalDampingValue(stream, "structural=", structural_);
  stream.LineBreak();
}
