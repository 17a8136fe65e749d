#include "aif/impl/model/aif_SurfaceRoutines.h"

#include <utility>

bool aif_IsLoadInactive(int status, bool& inactive, bool& opFlag) {
  inactive = status == 4 || status == 11;
  if (inactive) opFlag = false;
  return inactive;
}

bool aif_IsNewOpStatus(int status, bool opFlag) {
  return status == 1 || (status == 2 && !opFlag);
}

cow_String aif_CopyString(cow_String text) {
  return text;
}
