// "*Material": one material of the model with every behaviour it holds, in
// the fixed behaviour order. The material builder files one per material
// that no gasket section uses; each behaviour keyword is built, written and
// dropped inside Write.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kmaC_Material.h"

class utl_Stream;

class aif_Material : public akw_Keyword {
 public:
  // `specificHeatSetting`: the model's value handed to "*Specific Heat";
  // `partBased`: whether the file is part-based (a density given by a field
  // then names its distribution with the "ASSEMBLY_" prefix);
  // `densityDistribution`: the distribution that holds a density given by a
  // field, empty when the deck defines none (the density is left out).
  aif_Material(const cow_String& name, const kmaC_Material& material, int specificHeatSetting,
               bool partBased, const cow_String& densityDistribution)
      : name_(name),
        material_(material),
        specificHeatSetting_(specificHeatSetting),
        partBased_(partBased),
        densityDistribution_(densityDistribution) {}

  akw_Keyword* Clone() const override { return new aif_Material(*this); }
  // The description as wrapped comment lines (none when empty), the line
  // "*Material, name=" with ", rtol=" when the regularization tolerance is
  // not 0.03 and ", strain rate regularization=" when its kind is not 0,
  // then the behaviours. The gasket behaviours are never written here.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  kmaC_Material material_;
  int specificHeatSetting_;
  bool partBased_;
  cow_String densityDistribution_;
};
