#include "aif/impl/interactions/aif_GeneralContactNames.h"

#include <string>
#include <utility>

#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"

cow_String aif_ContactRegionName(const rgnC_Region& region, const aif_ModelInfo& info) {
  return aif_RegionName(region, info).SetName(2);
}

cow_String aif_ContactSecondName(const kinC_RegionPair& pair, const aif_ModelInfo& info,
                                 bool useText) {
  if (!useText || pair.secondName.IsEmpty()) return aif_ContactRegionName(pair.second, info);
  std::string text = pair.secondName.Str();
  // A flat file has no instance scopes: "Inst.Surf" is defined as "Inst_Surf".
  if (!info.IsPartBased())
    for (char& c : text)
      if (c == '.') c = '_';
  return aif_PrintableName(cow_String(std::move(text)));
}
