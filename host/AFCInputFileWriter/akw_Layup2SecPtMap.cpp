#include "AFCInputFileWriter/akw_Layup2SecPtMap.h"

cow_List<akw_Layup2SecPtMap::ElsetPoints> akw_Layup2SecPtMap::ElsetsAndSectionPoints(
    const cow_String& layup, const cow_String& prefix, int selection) const {
  (void)layup;
  (void)prefix;
  (void)selection;
  return {};
}
