#include "aif/impl/steps/aif_FixedMassScaling.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_MassScalingLines.h"

void aif_FixedMassScaling::Write(utl_Stream& stream) const {
  const int application = scaling_.Application();
  if (application != 0 && application != 2) return;
  aif_WriteMassScalingKind(stream, application == 0 ? "Semi-Automatic" : "Reinitialize Mass");
  aif_WriteMassScalingLabel(stream, scaling_, regionName_);
  stream << "*Fixed Mass Scaling";
  aif_WriteMassScalingElset(stream, scaling_, regionName_);
  if (application == 0) {
    aif_WriteMassScalingTarget(stream, scaling_);
    if (scaling_.Factor() != 0.0) stream << ", factor=" << scaling_.Factor();
    if (scaling_.Schedule() == 1) aif_WriteMassScalingInterval(stream, scaling_);
  }
  stream << endl;
}
