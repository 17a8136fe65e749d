// "*Density": a table of densities, or, for a density given by a field, the
// name of the distribution that holds it. The material writer passes the
// material's name and whether the file is part-based (the distribution then
// lives in the assembly and its name begins "ASSEMBLY_").
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_Density : public aif_MaterialOptionKeyword<aif_Density, kmaC_Density> {
 public:
  aif_Density(const kmaC_Density& option, const cow_String& materialName, bool partBased)
      : aif_MaterialOptionKeyword(option), materialName_(materialName), partBased_(partBased) {}
  // Throws nex_TextException when the distribution name holds a control
  // character.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String materialName_;
  bool partBased_;
};
