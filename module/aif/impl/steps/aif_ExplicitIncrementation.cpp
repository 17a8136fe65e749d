#include "aif/impl/steps/aif_ExplicitIncrementation.h"

#include "OdbAttrEO/kprC_StepRecords.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

void WriteExplicitScaleFactor(utl_Stream& stream, const kprC_ExplicitControls& controls) {
  if (controls.ScaleFactor() != 1.0) stream << ", scale factor=" << controls.ScaleFactor();
}

}  // namespace

bool aif_WriteExplicitIncrementation(utl_Stream& stream, const kprC_ExplicitControls& controls,
                                     double period) {
  const int method = controls.Method();
  switch (method) {
    case 0:
      break;
    case 1:
      stream << ", direct user control";
      break;
    case 2:
      stream << ", element by element";
      break;
    case 3:
      stream << ", fixed time incrementation";
      break;
    default:
      return false;
  }
  if (method != 1) WriteExplicitScaleFactor(stream, controls);
  stream.LineBreak();

  if (method == 1) {
    stream << controls.UserIncrement() << ", " << period << endl;
    return true;
  }
  stream << ", " << period;
  if (method != 3 && controls.MaxIncrement() != kprC_UNSET)
    stream << ",, " << controls.MaxIncrement();
  stream << endl;
  return true;
}
