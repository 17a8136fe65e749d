// "*Gasket Behavior": a material that a gasket section uses, written with the
// behaviours a gasket takes (creep, state variables, expansion, membrane
// elasticity, thickness behaviour, viscoelasticity, transverse-shear
// elasticity, output variables) and nothing else. Filed by the material
// builder in place of "*Material".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kmaC_Material.h"

class utl_Stream;

class aif_GasketBehavior : public akw_Keyword {
 public:
  aif_GasketBehavior(const cow_String& name, const kmaC_Material& material)
      : name_(name), material_(material) {}

  akw_Keyword* Clone() const override { return new aif_GasketBehavior(*this); }
  // "*Gasket Behavior, name=" and the name, then the gasket behaviours the
  // material holds; no description and no regularization options.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  kmaC_Material material_;
};
