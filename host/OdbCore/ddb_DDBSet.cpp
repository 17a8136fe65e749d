#include "OdbCore/ddb_DDBSet.h"

#include <map>
#include <string>

namespace {

std::map<std::string, cow_List<ddb_DDBSet::Entry>>& Registered() {
  static std::map<std::string, cow_List<ddb_DDBSet::Entry>> jobs;
  return jobs;
}

bool SameName(const cow_String& a, const cow_String& b) {
  if (a.Length() != b.Length()) return false;
  for (std::size_t i = 0; i < a.Length(); ++i) {
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (upper(a.Str()[i]) != upper(b.Str()[i])) return false;
  }
  return true;
}

}  // namespace

void ddb_DDBSet::Configure(const cow_String& jobName, bool partBased) {
  partBased_ = partBased;
  auto found = Registered().find(jobName.Str());
  sets_ = found == Registered().end() ? cow_List<Entry>() : found->second;
}

bool ddb_DDBSet::IsMember(const cow_String& name, int kind) const {
  for (const Entry& entry : sets_)
    if (entry.kind == kind && SameName(entry.name, name)) return true;
  return false;
}

void ddb_DDBSet::Register(const cow_String& jobName, cow_List<Entry> sets) {
  Registered()[jobName.Str()] = std::move(sets);
}

void ddb_DDBSet::ClearRegistered() {
  Registered().clear();
}
