// The point section: the mass, rotary inertia and heat capacitance that a
// section assignment gives the reference points of a part. The part and
// instance builders read it to make one-node MASS, ROTARYI and HEATCAP
// elements with their property keywords.
#pragma once

#include <array>

#include "OdbAttrEO/kern_RepositoryObjects.h"

class kseC_PointSection : public kseC_Section {
 public:
  static constexpr unsigned kTypeId = 0x2600020;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kseC_PointSection* Clone() const override { return new kseC_PointSection(*this); }
  CLS_REGISTER(kseC_PointSection, kseC_Section)

  // The symmetric inertia tensor as its upper triangle, row by row:
  // I11, I12, I13, I22, I23, I33.
  using Inertia = std::array<double, 6>;

  double Mass() const { return mass_; }
  // Mass-proportional and composite damping; the rotary inertia shares them.
  double Alpha() const { return alpha_; }
  double Composite() const { return composite_; }
  const Inertia& RotaryInertia() const { return inertia_; }
  double HeatCapacitance() const { return heatCapacitance_; }

  void SetMass(double mass) { mass_ = mass; }
  void SetDamping(double alpha, double composite) {
    alpha_ = alpha;
    composite_ = composite;
  }
  void SetRotaryInertia(const Inertia& inertia) { inertia_ = inertia; }
  void SetHeatCapacitance(double value) { heatCapacitance_ = value; }

 private:
  double mass_ = 0.0;
  double alpha_ = 0.0;
  double composite_ = 0.0;
  Inertia inertia_{};
  double heatCapacitance_ = 0.0;
};
