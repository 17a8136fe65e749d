#include "aif/impl/interactions/aif_ContactControls.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

aif_ContactControls::aif_ContactControls(const kinC_ExpContactControls& controls,
                                         const cow_String& cpset, bool suppressReset,
                                         bool resetOnly)
    : explicitControls_(controls.DeepCopy()),
      cpset_(cpset),
      isExplicit_(true),
      suppressReset_(suppressReset),
      resetOnly_(resetOnly) {}

aif_ContactControls::aif_ContactControls(const kinC_StdContactControls& controls,
                                         const cow_String& master, const cow_String& slave,
                                         bool suppressReset, bool resetOnly)
    : standardControls_(controls.DeepCopy()),
      master_(master),
      slave_(slave),
      isExplicit_(false),
      suppressReset_(suppressReset),
      resetOnly_(resetOnly) {}

void aif_ContactControls::Write(utl_Stream& stream) const {
  if (suppressReset_ && resetOnly_) return;
  if (isExplicit_)
    WriteExplicit(stream);
  else
    WriteStandard(stream);
}

void aif_ContactControls::WriteExplicit(utl_Stream& stream) const {
  // The pair set is written in the printable form "*Contact Pair" gives it.
  stream << "*Contact Controls, cpset=" << akw_MorvexName(cpset_, false);
  if (resetOnly_) {
    stream << ", reset" << endl;
    return;
  }
  const kinC_ExpContactControls& c = *explicitControls_;
  int written = 0;
  if (!c.fastLocalTracking) {
    stream << ", fastlocaltrk="
           << "NO";
    ++written;
  }
  if (c.globalTrackingGiven) {
    aif_Option(stream) << "globtrkinc=" << c.globalTrackingIncrements;
    ++written;
  }
  if (c.penaltyScale != 1.0) {
    aif_Option(stream) << "scale penalty=" << c.penaltyScale;
    ++written;
  }
  if (c.warpCheckPeriod != 20) {
    aif_Option(stream) << "warp check period=" << c.warpCheckPeriod;
    ++written;
  }
  if (c.warpCutOff != 20.0) {
    aif_Option(stream) << "warp cut off=" << c.warpCutOff;
    ++written;
  }
  if (written < 5) aif_Option(stream) << "reset";
  stream << endl;
}

void aif_ContactControls::WriteStandardHead(utl_Stream& stream) const {
  stream << "*Contact Controls, master=" << master_ << ", slave=" << slave_;
}

void aif_ContactControls::WriteStandard(utl_Stream& stream) const {
  if (!suppressReset_) {
    WriteStandardHead(stream);
    stream << ", reset" << endl;
    if (resetOnly_) return;
  }
  const kinC_StdContactControls& c = *standardControls_;
  if (c.IsDefault()) return;
  WriteStandardHead(stream);
  if (c.penetrationToleranceKind == 0)
    stream << ", absolutePenetrationTolerance=" << c.absoluteTolerance;
  else if (c.relativeTolerance != 0.001)
    stream << ", relativePenetrationTolerance=" << c.relativeTolerance;
  if (c.stiffnessScaleFactor != 1.0)
    aif_Option(stream) << "stiffnessScaleFactor=" << c.stiffnessScaleFactor;
  if (c.frictionOnset != 0) aif_Option(stream) << "frictionOnset=DELAYED";
  if (c.lagrangeMultiplier != 0)
    aif_Option(stream) << (c.lagrangeMultiplier == 2 ? "Lagrange multiplier=YES"
                                                     : "Lagrange multiplier=NO");
  if (c.automaticTolerances) {
    aif_Option(stream) << "automaticTolerances";
  } else {
    if (c.maxContactChangePoints != 0) aif_Option(stream) << "maxchp=" << c.maxContactChangePoints;
    if (c.maxPenetrationError != 0.0) aif_Option(stream) << "perrmx=" << c.maxPenetrationError;
    if (c.maxSeparationError != 0.0) aif_Option(stream) << "uerrmx=" << c.maxSeparationError;
  }
  if (c.stabilizationMode != 0) {
    aif_Option(stream) << "stabilize";
    if (c.stabilizationMode == 1) stream << "=" << c.stabilizationFactor;
    if (c.tangentFraction != 1.0) aif_Option(stream) << "tangent fraction=" << c.tangentFraction;
    if (c.stabilizationMode == 2 || c.stabilizationData[1] != 0.0 ||
        c.stabilizationThirdGiven == 1) {
      stream << endl;
      // A zero first value is left blank.
      if (c.stabilizationData[0] == 0.0)
        stream << " ";
      else
        stream << c.stabilizationData[0];
      stream << ", " << c.stabilizationData[1];
      if (c.stabilizationThirdGiven == 1) stream << ", " << c.stabilizationData[2];
    }
  }
  stream << endl;
}
