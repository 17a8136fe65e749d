#include "OdbAttrEO/korC_OdbRequestTable.h"

#include <string>

namespace {

korC_OdbRequestSpec RequestSpec(int position, int category = 0, int auxiliary = 1) {
  korC_OdbRequestSpec definition;
  definition.position = position;
  definition.category = category;
  definition.auxiliary = auxiliary;
  return definition;
}

}  // namespace

const korC_OdbRequestTable::Variable* korC_OdbRequestTable::Find(const cow_String& name,
                                                                 unsigned procedure) const {
  const Variable* variable = variables_.Find(name);
  if (!variable) return nullptr;
  if (!variable->procedures.IsEmpty() && !variable->procedures.IsMember(procedure)) return nullptr;
  return variable;
}

bool korC_OdbRequestTable::IsParentRequest(const cow_String& name, unsigned procedure) const {
  return Find(name, procedure) != nullptr;
}

bool korC_OdbRequestTable::IsComponentRequest(const cow_String& name, unsigned procedure) const {
  const cow_String* parent = components_.Find(name);
  return parent && Find(*parent, procedure);
}

cow_String korC_OdbRequestTable::RequestFromComponent(const cow_String& name,
                                                      unsigned procedure) const {
  return IsComponentRequest(name, procedure) ? components_.Get(name) : cow_String();
}

korC_OdbRequestSpec korC_OdbRequestTable::Request(const cow_String& name,
                                                  unsigned procedure) const {
  const Variable* variable = Find(name, procedure);
  return variable ? variable->definition : korC_OdbRequestSpec();
}

cow_String korC_OdbRequestTable::ListKey(int channelType, unsigned procedure) {
  return cow_String(std::to_string(channelType) + ":" + std::to_string(procedure));
}

cow_List<cow_String> korC_OdbRequestTable::Lookup(const ChannelLists& lists, int channelType,
                                                  unsigned procedure) {
  if (const cow_List<cow_String>* own = lists.Find(ListKey(channelType, procedure))) return *own;
  if (const cow_List<cow_String>* any = lists.Find(ListKey(channelType, kAnyProcedure)))
    return *any;
  return {};
}

cow_List<cow_String> korC_OdbRequestTable::Defaults(int channelType, unsigned procedure,
                                                    bool simulation, int domain, int flags) const {
  (void)simulation;
  (void)domain;
  (void)flags;
  return Lookup(defaults_, channelType, procedure);
}

cow_List<cow_String> korC_OdbRequestTable::All(int channelType, unsigned procedure, int domain,
                                               int flags) const {
  (void)domain;
  (void)flags;
  return Lookup(all_, channelType, procedure);
}

cow_List<cow_String> korC_OdbRequestTable::DefaultRequests(int channelType, unsigned procedure,
                                                           int domain) const {
  (void)domain;
  return Lookup(defaultRequests_, channelType, procedure);
}

cow_List<cow_String> korC_OdbRequestTable::WritableVariables(const cow_List<cow_String>& variables,
                                                             unsigned procedure,
                                                             int position) const {
  cow_List<cow_String> writable;
  for (const cow_String& name : variables) {
    cow_String parent = name;
    if (!IsParentRequest(name, procedure)) {
      if (!IsComponentRequest(name, procedure)) continue;
      parent = RequestFromComponent(name, procedure);
    }
    if (Request(parent, procedure).position != position) writable.Append(name);
  }
  return writable;
}

cow_List<cow_String> korC_OdbRequestTable::GetInvalidPrintIdentifiersWithExclusion(
    const cow_List<cow_String>& variables, unsigned procedure, int position, int printKind,
    int channelType, int domain) const {
  (void)printKind;
  (void)channelType;
  (void)domain;
  if (hasExclusionAnswer_) return exclusionAnswer_;
  return WritableVariables(variables, procedure, position);
}

cow_List<cow_String> korC_OdbRequestTable::GetInvalidPrintIdentifiersWithInclusion(
    const cow_List<cow_String>& variables, unsigned procedure, int position, int printKind,
    int channelType, int domain) const {
  (void)printKind;
  (void)channelType;
  (void)domain;
  if (hasInclusionAnswer_) return inclusionAnswer_;
  return WritableVariables(variables, procedure, position);
}

void korC_OdbRequestTable::Reset() {
  variables_.Clear();
  components_.Clear();
  defaults_.Clear();
  all_.Clear();
  defaultRequests_.Clear();
  hasInclusionAnswer_ = false;
  hasExclusionAnswer_ = false;
  inclusionAnswer_.Clear();
  exclusionAnswer_.Clear();
  for (const char* name : {"U", "V", "A", "RF", "CF", "RT", "COORD"})
    RegisterVariable(name, RequestSpec(0));
  korC_OdbRequestSpec temperature = RequestSpec(0);
  temperature.nameMap.Set("NT", "NT11");
  RegisterVariable("NT", temperature);
  for (const char* name : {"S", "E", "PE", "PEEQ", "LE", "SF", "SE", "TEMP", "HFL", "EVOL"})
    RegisterVariable(name, RequestSpec(1));
  RegisterVariable("RBFOR", RequestSpec(1, 6));
  for (const char* name : {"GU", "GV", "GA"})
    RegisterVariable(name, RequestSpec(2));
  for (const char* name : {"CSTRESS", "CDISP", "CFORCE"})
    RegisterVariable(name, RequestSpec(4));
  RegisterVariable("CSTATUS", RequestSpec(8));
  RegisterVariable("RADFL", RequestSpec(5));
  RegisterVariable("DMASS", RequestSpec(6));
  for (const char* name : {"ALLIE", "ALLKE", "ELSE", "ELKE"})
    RegisterVariable(name, RequestSpec(7));
  RegisterVariable("ENER", RequestSpec(7, 0, 2));
  RegisterVariable("SOF", RequestSpec(9, 5));
  RegisterVariable("SOM", RequestSpec(9, 5));
  RegisterVariable("IVOL", RequestSpec(9, 0, 0));
  for (const char* name : {"U1", "U2", "U3"})
    RegisterComponent(name, "U");
  for (const char* name : {"RF1", "RF2", "RF3"})
    RegisterComponent(name, "RF");
  for (const char* name : {"S11", "S22", "S33", "S12", "S13", "S23"})
    RegisterComponent(name, "S");

  SetDefaults(1, kAnyProcedure, {"S", "E", "U", "RF"});
  SetDefaults(2, kAnyProcedure, {"ALLIE", "ALLKE"});
  SetAll(1, kAnyProcedure, {"S", "E", "PE", "PEEQ", "LE", "U", "V", "A", "RF", "CF", "NT"});
  SetAll(2, kAnyProcedure, {"ALLIE", "ALLKE", "ELSE", "ELKE", "DMASS"});
}

void korC_OdbRequestTable::RegisterVariable(const cow_String& name,
                                            const korC_OdbRequestSpec& definition,
                                            const cow_List<unsigned>& procedures) {
  components_.Remove(name);
  variables_.Set(name, Variable{definition, procedures});
}

void korC_OdbRequestTable::RegisterComponent(const cow_String& name, const cow_String& parent) {
  variables_.Remove(name);
  components_.Set(name, parent);
}

void korC_OdbRequestTable::Remove(const cow_String& name) {
  variables_.Remove(name);
  components_.Remove(name);
}

void korC_OdbRequestTable::SetDefaults(int channelType, unsigned procedure,
                                       const cow_List<cow_String>& names) {
  defaults_.Set(ListKey(channelType, procedure), names);
}

void korC_OdbRequestTable::SetAll(int channelType, unsigned procedure,
                                  const cow_List<cow_String>& names) {
  all_.Set(ListKey(channelType, procedure), names);
}

void korC_OdbRequestTable::SetDefaultRequests(int channelType, unsigned procedure,
                                              const cow_List<cow_String>& names) {
  defaultRequests_.Set(ListKey(channelType, procedure), names);
}

void korC_OdbRequestTable::SetInvalidPrintIdentifiers(bool inclusion,
                                                      const cow_List<cow_String>& answer) {
  if (inclusion) {
    hasInclusionAnswer_ = true;
    inclusionAnswer_ = answer;
  } else {
    hasExclusionAnswer_ = true;
    exclusionAnswer_ = answer;
  }
}
