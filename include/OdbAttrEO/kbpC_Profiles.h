// The beam profiles of the model's profile repository: the base class and the
// eleven shapes a beam section can refer to. Each shape holds its dimensions
// as plain values, in the order the host's profile editor lists them.
#pragma once

#include "BasShared/cow_2DArray.h"
#include "OdbAttrEO/kern_Object.h"

class kbpC_BeamProfile : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3040001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kbpC_BeamProfile* Clone() const override { return new kbpC_BeamProfile(*this); }
  CLS_REGISTER(kbpC_BeamProfile, kern_Object)

  // How many temperature values a beam of this profile takes; 1 unless set.
  int TemperatureValueCount() const { return temperatures_; }
  void SetTemperatureValueCount(int count) { temperatures_ = count; }

 private:
  int temperatures_ = 1;
};

// The type id, Clone and registration of one profile shape.
// clang-format off
#define KBP_PROFILE(Name, Id)                               \
 public:                                                    \
  static constexpr unsigned kTypeId = Id;                   \
  static unsigned TypeId() { return kTypeId; }              \
  unsigned DynTypeId() const override { return kTypeId; }   \
  Name* Clone() const override { return new Name(*this); }  \
  CLS_REGISTER(Name, kbpC_BeamProfile)
// clang-format on

// Pipe: outer radius r, wall thickness t.
class kbpC_PipeProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_PipeProfile, 0x2600070)
  double r = 0.0;
  double t = 0.0;
};

// Box: width a, height b; wall thicknesses t1 to t4, or t1 all round when
// uniformThickness is set.
class kbpC_BoxProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_BoxProfile, 0x2600071)
  double a = 0.0;
  double b = 0.0;
  bool uniformThickness = false;
  double t1 = 0.0;
  double t2 = 0.0;
  double t3 = 0.0;
  double t4 = 0.0;
};

// I: centroid height l, height h, flange widths b1, b2, thicknesses t1 to t3.
class kbpC_IbeamProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_IbeamProfile, 0x2600072)
  double l = 0.0;
  double h = 0.0;
  double b1 = 0.0;
  double b2 = 0.0;
  double t1 = 0.0;
  double t2 = 0.0;
  double t3 = 0.0;
};

// Solid circle: radius r.
class kbpC_CircularProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_CircularProfile, 0x2600073)
  double r = 0.0;
};

// Hollow hexagon: outer radius r, wall thickness t.
class kbpC_HexagonalProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_HexagonalProfile, 0x2600074)
  double r = 0.0;
  double t = 0.0;
};

// L: leg lengths a, b, leg thicknesses t1, t2.
class kbpC_LbeamProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_LbeamProfile, 0x2600075)
  double a = 0.0;
  double b = 0.0;
  double t1 = 0.0;
  double t2 = 0.0;
};

// T: flange width b, height h, centroid height l, flange thickness tf, web
// thickness tw.
class kbpC_TbeamProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_TbeamProfile, 0x2600076)
  double b = 0.0;
  double h = 0.0;
  double l = 0.0;
  double tf = 0.0;
  double tw = 0.0;
};

// Solid rectangle: width a, height b.
class kbpC_RectangularProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_RectangularProfile, 0x2600077)
  double a = 0.0;
  double b = 0.0;
};

// Trapezoid: a, b, c, d.
class kbpC_TrapezoidalProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_TrapezoidalProfile, 0x2600078)
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  double d = 0.0;
};

// Thin-walled open profile through points: one row per point, three columns
// x, y and the thickness t of the segment that ends at the point (the first
// row's t is not used).
class kbpC_ArbitraryProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_ArbitraryProfile, 0x2600079)
  cow_2DArray<double> points;
};

// Section properties given directly: area, moments of inertia I11, I12, I22,
// torsional constant J, sectorial moment gamma0 and warping constant gammaW.
class kbpC_GeneralizedProfile : public kbpC_BeamProfile {
  KBP_PROFILE(kbpC_GeneralizedProfile, 0x260007A)
  double area = 0.0;
  double i11 = 0.0;
  double i12 = 0.0;
  double i22 = 0.0;
  double j = 0.0;
  double gamma0 = 0.0;
  double gammaW = 0.0;
};

#undef KBP_PROFILE
