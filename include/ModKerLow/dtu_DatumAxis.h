// A datum axis of a part or the assembly: a point on the axis and its
// direction. Found by name through dtmK_Datum like the other datums; a bolt
// clearance reads it for the bolt's axis.
#pragma once

#include "ModKerLow/dtu_DatumCsys.h"

class dtu_DatumAxis : public dtu_Datum {
 public:
  static constexpr unsigned kTypeId = 0x0B00003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(dtu_DatumAxis, dtu_Datum)
  dtu_DatumAxis* Clone() const override { return new dtu_DatumAxis(*this); }

  // The global X axis unless told otherwise.
  dtu_DatumAxis() = default;
  dtu_DatumAxis(const gsl_Point& origin, const gsl_Vector& direction)
      : origin_(origin), direction_(direction) {}

  const gsl_Point& Origin() const { return origin_; }
  const gsl_Vector& Direction() const { return direction_; }
  // The origin moves with the transform; the direction turns with its rotation.
  void Transform(const gsl_Matrix& transform) override {
    origin_ = transform.Transform(origin_);
    direction_ = transform.Rotate(direction_);
  }

 private:
  gsl_Point origin_;
  gsl_Vector direction_ = {1, 0, 0};
};
