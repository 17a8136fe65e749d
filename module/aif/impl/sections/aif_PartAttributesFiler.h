// Where the part-attribute steps file their keywords: the model, part and
// instance lists of the aif_PartAttributesBuilder that runs them. The builder
// implements it for its own lists and hands it to every step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

struct aif_InstanceScope;

class aif_PartAttributesFiler {
 public:
  virtual ~aif_PartAttributesFiler() = default;

  virtual void ToModel(const akw_Keyword& keyword) = 0;
  virtual void ToPart(const cow_String& part, const akw_Keyword& keyword) = 0;
  virtual void ToPart(const cow_String& part, const akw_KeywordHandle& keyword) = 0;
  virtual void ToInstance(const cow_String& instance, const akw_Keyword& keyword) = 0;
  virtual void ToInstance(const cow_String& instance, const akw_KeywordHandle& keyword) = 0;

  // By the part-level rule: to the part of `scope` when `partLevel`, else to
  // its instance.
  void ToScope(const aif_InstanceScope& scope, bool partLevel, const akw_Keyword& keyword);
  void ToScope(const aif_InstanceScope& scope, const akw_Keyword& keyword);
};
