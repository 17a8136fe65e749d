// Datums of a part or the assembly: features of its feature list, found by
// name through dtmK_Datum. dtu_Datum stands for the datum kinds the writer
// does not read (points, axes, planes); dtu_DatumCsys is a datum coordinate
// system with its kind, origin and three axis directions.
#pragma once

#include "QivGeom/gsl_Matrix.h"
#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"
#include "VwrModKer/ftr_FeatureList.h"

class dtu_Datum : public ftr_Feature {
 public:
  static constexpr unsigned kTypeId = 0x0B00001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(dtu_Datum, ftr_Feature)
  dtu_Datum* Clone() const override { return new dtu_Datum(*this); }

  // Moves the datum by a rigid transform; a datum without geometry the writer
  // reads has nothing to move.
  virtual void Transform(const gsl_Matrix& transform) { (void)transform; }
};

class dtu_DatumCsys : public dtu_Datum {
 public:
  static constexpr unsigned kTypeId = 0x0B00002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(dtu_DatumCsys, dtu_Datum)
  dtu_DatumCsys* Clone() const override { return new dtu_DatumCsys(*this); }

  // The kernel's kind codes.
  static constexpr int kRectangular = 1;
  static constexpr int kCylindrical = 2;
  static constexpr int kSpherical = 3;

  // A rectangular system on the global axes unless told otherwise.
  dtu_DatumCsys() = default;
  dtu_DatumCsys(int kind, const gsl_Point& origin, const gsl_Vector& first,
                const gsl_Vector& second, const gsl_Vector& third)
      : kind_(kind), origin_(origin), axes_{first, second, third} {}

  int Kind() const { return kind_; }
  void Geometry(gsl_Point& origin, gsl_Vector& first, gsl_Vector& second, gsl_Vector& third) const {
    origin = origin_;
    first = axes_[0];
    second = axes_[1];
    third = axes_[2];
  }
  // The origin moves with the transform; the axes turn with its rotation.
  void Transform(const gsl_Matrix& transform) override {
    origin_ = transform.Transform(origin_);
    for (gsl_Vector& axis : axes_)
      axis = transform.Rotate(axis);
  }

 private:
  int kind_ = kRectangular;
  gsl_Point origin_;
  gsl_Vector axes_[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};
