// The connector section: the connection type of a connector element set (an
// assembled type, or a translational and a rotational type), the extra values
// some types carry, and the constitutive data the connector behaviour holds
// (table settings, reference values and the ordered behaviour options).
#pragma once

#include <array>
#include <cfloat>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class kseC_ConnectorSection : public kseC_Section {
 public:
  static constexpr unsigned kTypeId = 0x2600045;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kseC_ConnectorSection* Clone() const override { return new kseC_ConnectorSection(*this); }
  CLS_REGISTER(kseC_ConnectorSection, kseC_Section)

  using OptionHandle = cow_ArrayCOW<kbeC_ConnectorBehaviorOption>;
  // Six reference values, each DBL_MAX when unset.
  using References = std::array<double, 6>;

  // The connection type: an assembled type code, or (assembled 0) a
  // translational and a rotational type code.
  int AssembledType() const { return assembledType_; }
  int TranslationalType() const { return translationalType_; }
  int RotationalType() const { return rotationalType_; }
  // The kernel's text of the connection type: an assembled type's name, or
  // the translational and rotational names joined by " + ".
  cow_String GetConnectionTypeAsString() const { return connectionType_; }
  // The two values of assembled type 8; the second is DBL_MAX when unset.
  double Type8First() const { return type8First_; }
  double Type8Second() const { return type8Second_; }
  // The value of assembled type 7 and rotational type 6.
  double Type7Value() const { return type7Value_; }

  // Behaviour table settings.
  bool Regularize() const { return regularize_; }
  bool DefaultTolerance() const { return defaultTolerance_; }
  double Tolerance() const { return tolerance_; }
  // 1 linear.
  int Extrapolation() const { return extrapolation_; }
  // 2 explicit.
  int Integration() const { return integration_; }

  const References& ConstitutiveReferences() const { return references_; }
  const cow_List<OptionHandle>& BehaviorOptions() const { return options_; }

  void SetTypes(int assembled, int translational, int rotational) {
    assembledType_ = assembled;
    translationalType_ = translational;
    rotationalType_ = rotational;
  }
  void SetConnectionTypeText(cow_String text) { connectionType_ = std::move(text); }
  void SetType8Values(double first, double second) {
    type8First_ = first;
    type8Second_ = second;
  }
  void SetType7Value(double value) { type7Value_ = value; }
  void SetTableSettings(bool regularize, bool defaultTolerance, double tolerance, int extrapolation,
                        int integration) {
    regularize_ = regularize;
    defaultTolerance_ = defaultTolerance;
    tolerance_ = tolerance;
    extrapolation_ = extrapolation;
    integration_ = integration;
  }
  void SetConstitutiveReferences(const References& references) { references_ = references; }
  // Appends a copy of `option` to the ordered option list.
  void AddBehaviorOption(const kbeC_ConnectorBehaviorOption& option) {
    options_.Append(OptionHandle(option));
  }

 private:
  int assembledType_ = 0;
  int translationalType_ = 0;
  int rotationalType_ = 0;
  cow_String connectionType_;
  double type8First_ = 0.0;
  double type8Second_ = DBL_MAX;
  double type7Value_ = 1.0;
  bool regularize_ = true;
  bool defaultTolerance_ = true;
  double tolerance_ = 0.03;
  int extrapolation_ = 0;
  int integration_ = 0;
  References references_{DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX};
  cow_List<OptionHandle> options_;
};
