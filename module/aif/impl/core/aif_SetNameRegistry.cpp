#include "aif/impl/core/aif_SetNameRegistry.h"

#include "BasShared/atr_String.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

aif_SetNameRegistry* g_registry = nullptr;

}  // namespace

aif_SetNameRegistry& aif_SetNameRegistry::Instance() {
  if (!g_registry) g_registry = new aif_SetNameRegistry();
  return *g_registry;
}

void aif_SetNameRegistry::Destroy() {
  delete g_registry;
  g_registry = nullptr;
}

void aif_SetNameRegistry::Clear() {
  elsets_.Clear();
  nsets_.Clear();
  surfaces_.Clear();
  surfaceFaceSets_.Clear();
}

void aif_SetNameRegistry::RecordSurfaceFaceSets(const cow_String& surface,
                                                const cow_Map<cow_String, cow_String>& sets) {
  surfaceFaceSets_.Set(surface, sets);
}

bool aif_SetNameRegistry::Add(Names& names, const cow_String& name, bool warn,
                              const char* warning) {
  cow_String key = aif_UpperCaseName(name);
  if (names.Contains(key)) {
    if (warn) cmdC_WIP::Warning(atr_TranslateWithArg(warning, name));
    return false;
  }
  names.Set(key, 1);
  return true;
}

bool aif_SetNameRegistry::AddElset(const cow_String& name, bool warn) {
  return Add(elsets_, name, warn,
             "Multiple definition of elset name %s during input file/keyword generation."
             "Check generated keywords for elset name clashes.");
}

bool aif_SetNameRegistry::AddNset(const cow_String& name, bool warn) {
  return Add(nsets_, name, warn,
             "Multiple definition of nset name %s during input file/keyword generation."
             "Check generated keywords for nset name clashes.");
}

bool aif_SetNameRegistry::AddSurface(const cow_String& name, bool warn) {
  return Add(surfaces_, name, warn,
             "Multiple definition of surface name %s during input file/keyword generation."
             "Check generated keywords for surface name clashes.");
}

bool aif_SetNameRegistry::IsElset(const cow_String& name) const {
  return elsets_.Contains(aif_UpperCaseName(name));
}

bool aif_SetNameRegistry::IsNset(const cow_String& name) const {
  return nsets_.Contains(aif_UpperCaseName(name));
}
