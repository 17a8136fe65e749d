// "*Connector Behavior": the opening line of a connector section's behaviour
// block, naming the behaviour and its section-wide settings (explicit
// integration, regularization, extrapolation). Filed by
// aif_AddConnectorBehaviorKeywords ahead of the option keywords.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ConnectorBehavior : public akw_Keyword {
 public:
  aif_ConnectorBehavior(const cow_String& name, bool regularize, bool defaultTolerance,
                        double tolerance, bool linearExtrapolation, bool explicitIntegration)
      : name_(name),
        regularize_(regularize),
        defaultTolerance_(defaultTolerance),
        tolerance_(tolerance),
        linearExtrapolation_(linearExtrapolation),
        explicitIntegration_(explicitIntegration) {}

  akw_Keyword* Clone() const override { return new aif_ConnectorBehavior(*this); }
  // One line: the name, then ", integration=EXPLICIT", "regularize=OFF" or
  // "rtol=" (a tolerance other than 0.03 set by the user) and
  // "extrapolation=LINEAR", each only when it applies.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  bool regularize_;
  bool defaultTolerance_;
  double tolerance_;
  bool linearExtrapolation_;
  bool explicitIntegration_;
};
