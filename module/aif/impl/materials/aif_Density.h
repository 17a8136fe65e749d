// "*Density": a table of densities, or, for a density given by a field, the
// name of the distribution that holds it. The material writer passes the
// name the material builder gave that distribution and whether the file is
// part-based (the distribution then lives outside the parts and is named
// with the "ASSEMBLY_" prefix). A field density whose distribution the deck
// does not define (an empty name) writes nothing at all, so that no
// "*Density" names what is not there.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_Density : public aif_MaterialOptionKeyword<aif_Density, kmaC_Density> {
 public:
  aif_Density(const kmaC_Density& option, const cow_String& distribution, bool partBased)
      : aif_MaterialOptionKeyword(option), distribution_(distribution), partBased_(partBased) {}
  // Throws nex_TextException when the distribution name holds a control
  // character.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String distribution_;
  bool partBased_;
};
