// "*Hyperfoam" of a material: coefficient lines, or the test-data
// sub-options in their place. The material writer passes whether the material
// also has a viscoelastic behaviour.
#pragma once

#include "OdbAttrEO/kmaC_HyperelasticOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_Hyperfoam : public aif_MaterialOptionKeyword<aif_Hyperfoam, kmaC_Hyperfoam> {
 public:
  aif_Hyperfoam(const kmaC_Hyperfoam& option, bool viscoelastic)
      : aif_MaterialOptionKeyword(option), viscoelastic_(viscoelastic) {}
  void Write(utl_Stream& stream) const override;

 private:
  bool viscoelastic_;
};
