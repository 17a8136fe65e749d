// "*Cavity Definition": a radiation cavity by its name, its ambient
// temperature and one data line per cavity surface naming the property given
// to that surface. The interaction builder files it once, with the keywords
// of the initial step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;
class utl_Stream;

class aif_CavityDefinition : public akw_Keyword {
 public:
  // `name` is the interaction's name; `interaction` (shared) must be a
  // kinC_CavityRadiation; `info` names the surfaces and must outlive the
  // keyword.
  aif_CavityDefinition(const cow_String& name, const cow_COW<kinC_Interaction>& interaction,
                       const aif_ModelInfo& info);
  aif_CavityDefinition(const aif_CavityDefinition&) = default;

  akw_Keyword* Clone() const override { return new aif_CavityDefinition(*this); }
  // The keyword line (", ambient temp=" unless unset), then per surface its
  // set name, ", " and the property name at the same place (nothing past
  // the end of the property list). Fails the type test, writing nothing,
  // for another class of interaction.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
};
