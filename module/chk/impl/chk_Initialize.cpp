#include "chk/impl/chk_Initialize.h"

#include "BasShared/bas_UseCount.h"
#include "HostModules/hst_Modules.h"

namespace {

int g_uses = 0;

}  // namespace

void chk_initialize(int& counter) {
  hst_CallLog::Record("chk_initialize");
  if (bas_AcquireUse(g_uses)) ++counter;
}

void chk_finalize(int& counter) {
  hst_CallLog::Record("chk_finalize");
  if (bas_ReleaseUse(g_uses)) --counter;
}
