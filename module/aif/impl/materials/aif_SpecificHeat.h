// "*Specific Heat" with its data lines. The material writer passes its model
// value; only the value 2 lets the keyword write the constant-volume or
// constant-pressure type.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_SpecificHeat : public aif_MaterialOptionKeyword<aif_SpecificHeat, kmaC_SpecificHeat> {
 public:
  aif_SpecificHeat(const kmaC_SpecificHeat& option, int modelValue)
      : aif_MaterialOptionKeyword(option), modelValue_(modelValue) {}
  void Write(utl_Stream& stream) const override;

 private:
  int modelValue_;
};
