#include "aif/impl/conditions/aif_EulerianBoundary.h"

#include "OdbAttrEO/kbcC_BC.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

const char* const kEulerianInflowOptions[] = {", inflow=FREE", ", inflow=NONE", ", inflow=VOID"};
const char* const kEulerianOutflowOptions[] = {", outflow=ZERO PRESSURE", ", outflow=FREE",
                                               ", outflow=NONREFLECTING",
                                               ", outflow=NONUNIFORM PRESSURE"};

}  // namespace

aif_EulerianBoundary::aif_EulerianBoundary(const kbcC_EulerianBC& boundary,
                                           const cow_String& stepName, const cow_String& regionName,
                                           bool opNew)
    : boundary_(&boundary), stepName_(stepName), regionName_(regionName), opNew_(opNew) {}

aif_EulerianBoundary::aif_EulerianBoundary(const kbcC_EulerianBC& boundary)
    : boundary_(&boundary), opNew_(true), headerOnly_(true) {}

void aif_EulerianBoundary::Write(utl_Stream& stream) const {
  stream << "*Eulerian Boundary";
  if (opNew_) stream << ", op=NEW";
  if (headerOnly_) {
    stream.LineBreak();
    return;
  }
  // Definition 0 is inflow only, 1 outflow only, any other value both.
  const kbcC_BCState& state = boundary_->ConstGetState(stepName_);
  const int definition = state.Definition();
  const int inflow = state.Inflow();
  const int outflow = state.Outflow();
  if (definition != 1 && inflow >= 0 && inflow <= 2) stream << kEulerianInflowOptions[inflow];
  if (definition != 0 && outflow >= 0 && outflow <= 3) stream << kEulerianOutflowOptions[outflow];
  stream.LineBreak();
  stream << regionName_;
  stream.LineBreak();
}
