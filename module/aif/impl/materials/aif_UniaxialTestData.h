// "*Uniaxial Test Data" of hyperelastic, hyperfoam, low-density foam and
// Mullins effect behaviours. The parent passes the loading direction: 0 none,
// 1 tension, 2 compression.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_UniaxialTestData
    : public aif_MaterialOptionKeyword<aif_UniaxialTestData, kmaC_UniaxialTestData> {
 public:
  aif_UniaxialTestData(const kmaC_UniaxialTestData& option, int direction)
      : aif_MaterialOptionKeyword(option), direction_(direction) {}
  void Write(utl_Stream& stream) const override;

 private:
  int direction_;
};
