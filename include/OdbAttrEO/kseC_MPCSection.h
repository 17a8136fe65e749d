// The MPC section: a connector section whose wires the solver joins by
// multi-point constraints of one type instead of connector elements.
#pragma once

#include "OdbAttrEO/kern_RepositoryObjects.h"

class kseC_MPCSection : public kseC_Section {
 public:
  static constexpr unsigned kTypeId = 0x260004A;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kseC_MPCSection* Clone() const override { return new kseC_MPCSection(*this); }
  CLS_REGISTER(kseC_MPCSection, kseC_Section)

  // Type codes of the section: 0 BEAM, 1 TIE, 2 LINK, 3 PIN, 4 ELBOW,
  // 5 user-defined.
  static constexpr int kBeam = 0;
  static constexpr int kTie = 1;
  static constexpr int kLink = 2;
  static constexpr int kPin = 3;
  static constexpr int kElbow = 4;
  static constexpr int kUserDefined = 5;

  kseC_MPCSection() = default;
  explicit kseC_MPCSection(int type, int userMode = 0, int userType = 0)
      : type_(type), userMode_(userMode), userType_(userType) {}

  int MpcType() const { return type_; }
  // 0: the user routine works on degrees of freedom; otherwise on nodes.
  int UserMode() const { return userMode_; }
  int UserType() const { return userType_; }

  void SetMpcType(int type) { type_ = type; }
  void SetUser(int mode, int type) {
    userMode_ = mode;
    userType_ = type;
  }

 private:
  int type_ = kBeam;
  int userMode_ = 0;
  int userType_ = 0;
};
