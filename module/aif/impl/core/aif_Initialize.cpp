#include "aif/impl/core/aif_Initialize.h"

#include "BasShared/bas_UseCount.h"
#include "HostModules/hst_Modules.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "chk/impl/chk_Initialize.h"

namespace {

int g_moduleUses = 0;
int g_libraryUses = 0;

using StartStop = void (*)(int&);
struct Module {
  StartStop initialize;
  StartStop finalize;
};

#define AIF_MODULE(name) Module{name##_initialize, name##_finalize},
// The host modules, in the order they are started.
constexpr Module kHostModules[] = {HST_MODULE_LIST(AIF_MODULE)};
#undef AIF_MODULE

}  // namespace

void aif_initialize(int& counter) {
  hst_CallLog::Record("aif_initialize");
  if (bas_AcquireUse(g_moduleUses)) ++counter;
}

void aif_finalize(int& counter) {
  hst_CallLog::Record("aif_finalize");
  if (!bas_ReleaseUse(g_moduleUses)) return;
  --counter;
  aif_SetNameRegistry::Destroy();
  kamK_formalize();
  kadK_formalize();
  kflK_formalize();
}

void InputFileWriter_initialize(int& counter) {
  if (!bas_AcquireUse(g_libraryUses)) return;
  ++counter;
  for (const Module& m : kHostModules)
    m.initialize(counter);
  chk_initialize(counter);
  aif_initialize(counter);
}

void InputFileWriter_finalize(int& counter) {
  if (!bas_ReleaseUse(g_libraryUses)) return;
  --counter;
  aif_finalize(counter);
  chk_finalize(counter);
  for (auto m = std::rbegin(kHostModules); m != std::rend(kHostModules); ++m)
    m->finalize(counter);
}
