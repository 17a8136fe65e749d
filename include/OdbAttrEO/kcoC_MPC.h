// A multi-point constraint of the model: the slave region tied to a control
// point by a constraint of one type.
#pragma once

#include <utility>

#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kcoC_MPC : public kcoC_Constraint {
 public:
  static constexpr unsigned kTypeId = 0x3050030;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kcoC_MPC* Clone() const override { return new kcoC_MPC(*this); }
  CLS_REGISTER(kcoC_MPC, kcoC_Constraint)

  // Type codes of the constraint: 0 BEAM, 1 ELBOW, 2 PIN, 3 LINK, 4 TIE,
  // 5 user-defined (numbered unlike the MPC section's).
  static constexpr int kBeam = 0;
  static constexpr int kElbow = 1;
  static constexpr int kPin = 2;
  static constexpr int kLink = 3;
  static constexpr int kTie = 4;
  static constexpr int kUserDefined = 5;

  kcoC_MPC() = default;
  kcoC_MPC(rgnC_Region slave, rgnC_Region controlPoint, int type)
      : slave_(std::move(slave)), controlPoint_(std::move(controlPoint)), type_(type) {}

  const rgnC_Region& SlaveRegion() const { return slave_; }
  const rgnC_Region& ControlPointRegion() const { return controlPoint_; }
  int MpcType() const { return type_; }
  // 0: the user routine works on degrees of freedom; otherwise on nodes.
  int UserMode() const { return userMode_; }
  int UserType() const { return userType_; }

  // The local system the constrained nodes are transformed into; a null
  // reference when there is none.
  const dtmC_DatumRef& Datum() const { return datum_; }
  void SetDatum(const dtmC_DatumRef& datum) { datum_ = datum; }

  void SetUser(int mode, int type) {
    userMode_ = mode;
    userType_ = type;
  }

 private:
  rgnC_Region slave_;
  rgnC_Region controlPoint_;
  int type_ = kBeam;
  int userMode_ = 0;
  int userType_ = 0;
  dtmC_DatumRef datum_;
};
