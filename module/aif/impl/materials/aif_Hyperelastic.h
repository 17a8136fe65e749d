// "*Hyperelastic" (isotropic strain-energy forms, by coefficients or by test
// data) or "*Anisotropic Hyperelastic" of a material, with its test-data and
// "*Hysteresis" sub-options. The material writer passes whether the material
// also has a viscoelastic behaviour.
#pragma once

#include "OdbAttrEO/kmaC_HyperelasticOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_Hyperelastic : public aif_MaterialOptionKeyword<aif_Hyperelastic, kmaC_Hyperelastic> {
 public:
  aif_Hyperelastic(const kmaC_Hyperelastic& option, bool viscoelastic)
      : aif_MaterialOptionKeyword(option), viscoelastic_(viscoelastic) {}
  // A material kind other than isotropic (0) or anisotropic (1) writes nothing.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteIsotropic(utl_Stream& stream) const;
  void WriteAnisotropic(utl_Stream& stream) const;

  bool viscoelastic_;
};
