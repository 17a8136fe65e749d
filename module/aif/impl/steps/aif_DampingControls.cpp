#include "aif/impl/steps/aif_DampingControls.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

const char* DampingControlsWord(int value) {
  switch (value) {
    case 0:
      return "NONE";
    case 1:
      return "ELEMENT";
    case 2:
      return "FACTOR";
    default:
      return "COMBINED";
  }
}

}  // namespace

void aif_DampingControls::Write(utl_Stream& stream) const {
  stream << "*Damping Controls";
  aif_Option(stream) << "structural=" << DampingControlsWord(structural_.IntValue());
  aif_Option(stream) << "viscous=" << DampingControlsWord(viscous_.IntValue());
  stream.LineBreak();
}
