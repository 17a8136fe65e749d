#include "aif/impl/sections/aif_ConnectorBehavior.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_ConnectorBehavior::Write(utl_Stream& stream) const {
  stream << "*Connector Behavior, name=" << akw_MorvexName(name_, false);
  if (explicitIntegration_) stream << ", integration=EXPLICIT";
  if (!regularize_)
    aif_WriteOption(stream, "regularize=OFF");
  else if (!defaultTolerance_ && tolerance_ != 0.03)
    aif_WriteOption(stream, "rtol=", tolerance_);
  // The separator belongs to the option: without linear extrapolation the
  // line ends after the last option written.
  if (linearExtrapolation_) aif_WriteOption(stream, "extrapolation=LINEAR");
  stream.LineBreak();
}
