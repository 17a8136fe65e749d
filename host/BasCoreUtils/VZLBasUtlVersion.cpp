#include "BasCoreUtils/VZLBasUtlVersion.h"

VZLBasUtlVersion& VZLBasUtlVersion::Instance() {
  static VZLBasUtlVersion version;
  return version;
}

cow_String VZLBasUtlVersion::Title(bool withBuild) const {
  return withBuild ? title_ + " (build " + build_ + ")" : title_;
}

void VZLBasUtlVersion::SetTitle(const cow_String& title, const cow_String& build) {
  title_ = title;
  build_ = build;
}
