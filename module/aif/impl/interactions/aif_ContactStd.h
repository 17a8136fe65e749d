// "*Contact" of Standard general contact, followed by its assignment
// keywords (inclusions, exclusions, properties, surface properties, roles,
// initializations, geometric corrections), which it makes and writes itself.
// The interaction builder files one in the initial step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "aif/impl/interactions/aif_GeometricCorrection.h"

class aif_ModelInfo;

class aif_ContactStd : public akw_Keyword {
 public:
  // `interaction` is a kinC_ContactStd (tested when written) or empty;
  // `stepName` names the state written; `info` must outlive the keyword.
  // `corrections` are the smoothed surfaces the builder found.
  // `generatedPropertyNames`: the property assignments name the builder's
  // per-assignment copies ("_NAME-Prop1", ...).
  aif_ContactStd(cow_String name, cow_COW<kinC_Interaction> interaction, cow_String stepName,
                 const aif_ModelInfo& info, cow_List<aif_GeometricCorrection> corrections,
                 bool generatedPropertyNames);
  aif_ContactStd(const aif_ContactStd&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactStd(*this); }
  // "*Contact"; with an interaction, its assignment keywords after it.
  // Throws, before writing, the type test's error for another interaction
  // and cow_OutOfRange when it has no state in the step.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_String stepName_;
  bool generatedPropertyNames_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
  cow_List<aif_GeometricCorrection> corrections_;
};
