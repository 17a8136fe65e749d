#include "aif/impl/steps/aif_ProcedureOptions.h"

#include "OdbAttrEO/kprC_StepRecords.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

void aif_WriteStabilization(utl_Stream& stream, const kprC_Stabilization& stabilization) {
  const int method = stabilization.Method();
  if (method == 1 || method == 2) {
    aif_Option(stream) << (method == 1 ? "stabilize" : "stabilize, factor");
    if (stabilization.Magnitude() != kprC_UNSET && !stabilization.Continue())
      stream << "=" << stabilization.Magnitude();
  }
  if (method == 0) return;
  aif_Option(stream) << "allsdtol=";
  if (stabilization.Tolerance() != kprC_UNSET)
    stream << stabilization.Tolerance();
  else
    stream << "0";
  stream << (stabilization.Continue() ? ", continue=YES" : ", continue=NO");
}

void aif_WriteIfSet(utl_Stream& stream, double value) {
  if (value != kprC_UNSET) stream << value;
}

void aif_WriteIfGiven(utl_Stream& stream, int value) {
  if (value != kprC_NOT_GIVEN) stream << value;
}

void aif_WriteStaticHead(utl_Stream& stream, const kprC_Incrementation& increments, bool adiabatic,
                         const cow_String& fullyPlastic) {
  stream << "*Static";
  if (adiabatic) stream << ", adiabatic";
  if (increments.Method() != 0) stream << (increments.NoStop() ? ", direct=NO STOP" : ", direct");
  if (!fullyPlastic.IsEmpty()) aif_Option(stream) << "fully plastic=" << fullyPlastic;
}

void aif_WriteTransientIncrements(utl_Stream& stream, const kprC_Incrementation& increments,
                                  double period, bool repeatInitial) {
  stream << increments.InitialInc() << ", " << period << ", ";
  if (increments.Method() == 0)
    stream << increments.MinInc() << ", " << increments.MaxInc() << ", ";
  else if (repeatInitial)
    stream << increments.InitialInc() << ", " << increments.InitialInc() << ", ";
  else
    stream << ", ,";
}
