// A reader of whole parameter files that finds what the optimization module
// would refuse: a block without "END_", a line outside a block that is no
// comment, two blocks with one identifier, and a reference to a block that
// is not in the file. Every block kind that names another block adds its
// key to kKestReferences.
#pragma once

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace aif_kest_test {

// A key that names another block, with the block kinds it may name; a
// key with `firstItem` names it by its value's first item (before ", ");
// `csys` keys may also say "CS_0".
struct KestReference {
  const char* key;
  std::vector<std::string> blocks;
  bool firstItem = false;
};

inline const std::vector<KestReference>& KestReferences() {
  static const std::vector<KestReference> references = {
      {"OPTIMIZE", {"OPTIMIZE"}},
      {"DV", {"DV_TOPO", "DV_SHAPE"}},
      {"MESH_SMOOTH", {"MESH_SMOOTH"}},
      {"DVCON", {"DVCON_TOPO", "DVCON_SHAPE"}},
      {"OBJ_FUNC", {"OBJ_FUNC"}},
      {"CONSTRAINT", {"CONSTRAINT"}},
      {"DRESP", {"DRESP"}, true},
      {"VAR_A", {"DRESP"}},
      {"VAR_B", {"DRESP"}},
      {"VAR_C", {"DRESP"}},
      {"VAR_D", {"DRESP"}},
      {"VARIABLE", {"DRESP"}, true},
      {"CHECK_LINK", {"LINK_TOPO"}},
      {"CS_REF", {"CS_DEF"}},
      {"CS", {"CS_DEF"}},
      {"PULL_CS", {"CS_DEF"}},
      {"CHECK_DOF", {"CS_DEF"}, true},
  };
  return references;
}

// The findings about `file`, one line each ("line N: ..."); empty when the
// file is consistent.
inline std::string KestFindings(const std::string& file) {
  struct Use {
    int line;
    std::string block, key, value;
  };
  std::ostringstream findings;
  std::map<std::string, std::string> ids;  // identifier -> block kind
  std::vector<Use> uses;
  std::istringstream in(file);
  std::string line, block;
  int number = 0;
  bool exited = false;
  while (std::getline(in, line)) {
    ++number;
    if (exited) findings << "line " << number << ": after EXIT\n";
    if (line.rfind("!", 0) == 0) {
      if (!block.empty()) findings << "line " << number << ": comment inside " << block << "\n";
      continue;
    }
    if (line == "END_") {
      if (block.empty()) findings << "line " << number << ": END_ outside a block\n";
      block.clear();
      continue;
    }
    if (line.rfind("  ", 0) == 0) {
      const std::size_t eq = line.find(" = ");
      if (block.empty() || eq == std::string::npos) {
        findings << "line " << number << ": stray line: " << line << "\n";
        continue;
      }
      const std::string key = line.substr(2, eq - 2);
      const std::string value = line.substr(eq + 3);
      if (key == "ID_NAME") {
        if (!ids.emplace(value, block).second)
          findings << "line " << number << ": identifier twice: " << value << "\n";
      } else {
        uses.push_back({number, block, key, value});
      }
      continue;
    }
    if (!block.empty()) findings << "line " << number << ": " << block << " without END_\n";
    if (line == "EXIT") {
      exited = true;
      block.clear();
      continue;
    }
    block = line;
  }
  if (!block.empty()) findings << "end: " << block << " without END_\n";
  if (!exited) findings << "end: no EXIT\n";
  for (const Use& use : uses) {
    for (const KestReference& ref : KestReferences()) {
      if (use.key != ref.key || (use.key == "OPTIMIZE" && use.block == "OPTIMIZE")) continue;
      std::string name = use.value;
      if (ref.firstItem) name = name.substr(0, name.find(", "));
      if (ref.blocks.front() == "CS_DEF" && name == "CS_0") continue;
      const auto id = ids.find(name);
      bool found = false;
      if (id != ids.end())
        for (const std::string& kind : ref.blocks)
          found = found || id->second == kind;
      if (!found)
        findings << "line " << use.line << ": " << use.block << " " << use.key
                 << " names no block: " << name << "\n";
    }
  }
  return findings.str();
}

}  // namespace aif_kest_test
