#include "aif/impl/sections/aif_PartAttributesFiler.h"

#include "aif/impl/sections/aif_InstanceScope.h"

void aif_PartAttributesFiler::ToScope(const aif_InstanceScope& scope, bool partLevel,
                                      const akw_Keyword& keyword) {
  if (partLevel)
    ToPart(scope.partName, keyword);
  else
    ToInstance(scope.name, keyword);
}

void aif_PartAttributesFiler::ToScope(const aif_InstanceScope& scope, const akw_Keyword& keyword) {
  ToScope(scope, scope.partLevel, keyword);
}
