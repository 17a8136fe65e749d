#include "aif/impl/steps/aif_ImplicitDynamics.h"

#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kImplicitDynamicsFile[] = "module/aif/impl/steps/aif_ImplicitDynamics.cpp";

// ",", a break when the line has grown long, then `option`: a keyword line
// broken here still ends in the comma that continues it.
void WriteImplicitDynamicsOption(utl_Stream& stream, const char* option) {
  stream << ",";
  stream.OptionalLineBreak();
  stream << option;
}

}  // namespace

aif_ImplicitDynamics::aif_ImplicitDynamics(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kImplicitDynamicsFile, __LINE__) {}

void aif_ImplicitDynamics::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool fixed = increments.Method() == 1;

  stream << "*Dynamic";
  if (step_.Alpha() != kprC_UNSET) stream << ",alpha=" << step_.Alpha();
  if (step_.Adiabatic()) stream << ",adiabatic";
  switch (step_.Application()) {
    case 1:
      stream << ",application=TRANSIENT FIDELITY";
      break;
    case 2:
      stream << ",application=MODERATE DISSIPATION";
      break;
    case 3:
      stream << ",application=QUASI-STATIC";
      break;
    default:
      break;
  }
  if (fixed) stream << (increments.NoStop() ? ",direct=NO STOP" : ",direct");
  if (step_.NoHaf()) WriteImplicitDynamicsOption(stream, "nohaf");
  if (!fixed) {
    if (step_.HafControl() == 1)
      stream << ",haftol=" << step_.HafTolerance();
    else if (step_.HafControl() == 2)
      stream << ",halfinc scale factor=" << step_.HafScaleFactor();
  }
  if (step_.InitialAcceleration() == 2) WriteImplicitDynamicsOption(stream, "initial=NO");
  stream.LineBreak();

  stream << increments.InitialInc() << "," << step_.TimePeriod() << ",";
  if (!fixed) {
    stream << increments.MinInc();
    if (!step_.NoMaxInc()) stream << "," << increments.MaxInc();
  }
  stream << endl;
}
