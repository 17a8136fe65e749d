// "*Viscoelastic" of a material or gasket material (time or frequency
// domain), each block followed by its test-data and "*Trs" sub-options. A
// tabular frequency-domain option with uniaxial and volumetric preload writes
// two blocks, uniaxial first.
#pragma once

#include "OdbAttrEO/kmaC_HyperelasticOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_Viscoelastic : public aif_MaterialOptionKeyword<aif_Viscoelastic, kmaC_Viscoelastic> {
 public:
  explicit aif_Viscoelastic(const kmaC_Viscoelastic& option) : aif_MaterialOptionKeyword(option) {}
  void Write(utl_Stream& stream) const override;
  // One block: the keyword line, the data lines and the sub-options. With
  // `uniaxial` a two-preload option writes its uniaxial block (the main
  // table), without it the volumetric one (the second table).
  virtual void WriteBlock(utl_Stream& stream, bool uniaxial) const;
};
