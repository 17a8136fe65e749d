// "*Gasket Elasticity" of a gasket behaviour, from its membrane elasticity
// ("component=MEMBRANE") or its transverse-shear elasticity; exactly one of
// the two handles is set.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kmaC_HyperelasticOptions.h"

class utl_Stream;

class aif_GasketElasticity : public akw_Keyword {
 public:
  explicit aif_GasketElasticity(const kmaC_MembraneElastic& membrane) : membrane_(membrane) {}
  explicit aif_GasketElasticity(const kmaC_TransShearElastic& transverseShear)
      : transverseShear_(transverseShear) {}

  akw_Keyword* Clone() const override { return new aif_GasketElasticity(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kmaC_MembraneElastic> membrane_;
  cow_COW<kmaC_TransShearElastic> transverseShear_;
};
