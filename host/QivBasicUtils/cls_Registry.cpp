#include "QivBasicUtils/cls_Registry.h"

#include <string>
#include <unordered_map>

namespace {

struct Entry {
  unsigned parent;
  std::string name;
};

std::unordered_map<unsigned, Entry>& Table() {
  static std::unordered_map<unsigned, Entry> table{{cls_Object::kTypeId, {0, "cls_Object"}}};
  return table;
}

}  // namespace

bool cls_Registry::Register(unsigned id, unsigned parent, const char* name) {
  Table()[id] = Entry{parent, name};
  return true;
}

bool cls_Registry::IsDerived(unsigned type, unsigned base) {
  const auto& table = Table();
  // Bounded walk: a mistaken cycle in the parents cannot hang the caller.
  for (std::size_t steps = 0; steps <= table.size(); ++steps) {
    if (type == base) return true;
    auto it = table.find(type);
    if (it == table.end() || it->second.parent == 0) return false;
    type = it->second.parent;
  }
  return false;
}

std::string cls_Registry::Name(unsigned id) {
  auto it = Table().find(id);
  return it == Table().end() ? std::string() : it->second.name;
}
