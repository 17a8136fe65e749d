// "*Elastic" with its type and moduli options, its data lines and its fail
// strain and fail stress sub-options. The material writer passes whether the
// material also holds a viscoelastic behaviour (then the moduli option is
// written).
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_Elastic : public aif_MaterialOptionKeyword<aif_Elastic, kmaC_Elastic> {
 public:
  aif_Elastic(const kmaC_Elastic& option, bool viscoelastic)
      : aif_MaterialOptionKeyword(option), viscoelastic_(viscoelastic) {}
  void Write(utl_Stream& stream) const override;

 private:
  bool viscoelastic_;
};
