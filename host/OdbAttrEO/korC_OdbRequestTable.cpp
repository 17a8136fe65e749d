#include "OdbAttrEO/korC_OdbRequestTable.h"

namespace {

unsigned long long OdbRequestTableKey(int channelType, unsigned procedure) {
  return (static_cast<unsigned long long>(channelType) << 32) | procedure;
}

cow_List<cow_String> OdbRequestTableLookup(
    const cow_Map<unsigned long long, cow_List<cow_String>>& lists, int channelType,
    unsigned procedure) {
  const unsigned long long key = OdbRequestTableKey(channelType, procedure);
  if (lists.Contains(key)) return lists.Get(key);
  if (channelType == 1) return {"S", "E", "U", "RF"};
  return {"ALLIE", "ALLKE"};
}

}  // namespace

cow_List<cow_String> korC_OdbRequestTable::Defaults(int channelType, unsigned procedure,
                                                    bool simulation, int domain, int extra) const {
  (void)simulation;
  (void)domain;
  (void)extra;
  return OdbRequestTableLookup(defaults_, channelType, procedure);
}

cow_List<cow_String> korC_OdbRequestTable::All(int channelType, unsigned procedure, int domain,
                                               int extra) const {
  (void)domain;
  (void)extra;
  return OdbRequestTableLookup(all_, channelType, procedure);
}

void korC_OdbRequestTable::SetDefaults(int channelType, unsigned procedure,
                                       const cow_List<cow_String>& variables) {
  defaults_.Set(OdbRequestTableKey(channelType, procedure), variables);
}

void korC_OdbRequestTable::SetAll(int channelType, unsigned procedure,
                                  const cow_List<cow_String>& variables) {
  all_.Set(OdbRequestTableKey(channelType, procedure), variables);
}

void korC_OdbRequestTable::Reset() {
  defaults_ = cow_Map<unsigned long long, cow_List<cow_String>>();
  all_ = cow_Map<unsigned long long, cow_List<cow_String>>();
}
