// Contact controls of the model, held in its contact-controls repository and
// named by contact pairs: the Standard controls of a master/slave pair and
// the Explicit controls of a contact pair set. Every value starts at the
// kernel's default.
#pragma once

#include <memory>

#include "OdbAttrEO/kern_Object.h"

class kinC_ContactControls : public kern_Object {
  KERN_CLASS_HEAD(kinC_ContactControls, kern_Object, 0x3070001)
};

// Explicit controls. `globalTrackingGiven` says the number of global tracking
// increments is set.
class kinC_ExpContactControls : public kinC_ContactControls {
  KERN_CLASS_HEAD(kinC_ExpContactControls, kinC_ContactControls, 0x3070055)

  // A copy owned by the caller, sharing nothing with this object.
  std::unique_ptr<kinC_ExpContactControls> DeepCopy() const {
    return std::make_unique<kinC_ExpContactControls>(*this);
  }

  // Whether every setting is at its default (the increments count only
  // when given).
  bool IsDefault() const {
    return fastLocalTracking && globalTrackingGiven == 0 && penaltyScale == 1.0 &&
           warpCheckPeriod == 20 && warpCutOff == 20.0;
  }

  bool fastLocalTracking = true;
  int globalTrackingGiven = 0;
  int globalTrackingIncrements = 0;
  double penaltyScale = 1.0;
  int warpCheckPeriod = 20;
  double warpCutOff = 20.0;
};

// Standard controls. Codes: penetrationToleranceKind 0 absolute, otherwise
// relative; frictionOnset non-zero delayed; lagrangeMultiplier 0 default,
// 1 no, 2 yes; stabilizationMode 0 none, 1 with a factor, 2 other. The
// zero values of maxContactChangePoints, maxPenetrationError and
// maxSeparationError mean unset. stabilizationThirdGiven is 1 when the third
// stabilization data value is given.
class kinC_StdContactControls : public kinC_ContactControls {
  KERN_CLASS_HEAD(kinC_StdContactControls, kinC_ContactControls, 0x3070054)

  // A copy owned by the caller, sharing nothing with this object.
  std::unique_ptr<kinC_StdContactControls> DeepCopy() const {
    return std::make_unique<kinC_StdContactControls>(*this);
  }
  // Whether every control holds its default.
  bool IsDefault() const {
    const kinC_StdContactControls d;
    return penetrationToleranceKind == d.penetrationToleranceKind &&
           absoluteTolerance == d.absoluteTolerance && relativeTolerance == d.relativeTolerance &&
           stiffnessScaleFactor == d.stiffnessScaleFactor && frictionOnset == d.frictionOnset &&
           lagrangeMultiplier == d.lagrangeMultiplier &&
           automaticTolerances == d.automaticTolerances &&
           maxContactChangePoints == d.maxContactChangePoints &&
           maxPenetrationError == d.maxPenetrationError &&
           maxSeparationError == d.maxSeparationError && stabilizationMode == d.stabilizationMode &&
           stabilizationFactor == d.stabilizationFactor && tangentFraction == d.tangentFraction &&
           stabilizationData[0] == d.stabilizationData[0] &&
           stabilizationData[1] == d.stabilizationData[1] &&
           stabilizationData[2] == d.stabilizationData[2] &&
           stabilizationThirdGiven == d.stabilizationThirdGiven;
  }

  int penetrationToleranceKind = 1;
  double absoluteTolerance = 0.0;
  double relativeTolerance = 0.001;
  double stiffnessScaleFactor = 1.0;
  int frictionOnset = 0;
  int lagrangeMultiplier = 0;
  bool automaticTolerances = false;
  int maxContactChangePoints = 0;
  double maxPenetrationError = 0.0;
  double maxSeparationError = 0.0;
  int stabilizationMode = 0;
  double stabilizationFactor = 1.0;
  double tangentFraction = 1.0;
  double stabilizationData[3] = {0.0, 0.0, 0.0};
  int stabilizationThirdGiven = 0;
};
