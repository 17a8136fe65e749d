// The owners whose engineering features (springs, dashpots, inertias) the
// spring and inertia builders write, in the order they file them: for each
// instance active for simulation, its part once (a lightweight instance of a
// part-based file, whose features go with the part's mesh) or the instance
// itself (its part's features taken in the instance's context); then the
// assembly. Facts about each owner are worked out here once.
#pragma once

#include <algorithm>
#include <functional>
#include <type_traits>
#include <vector>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "VwrModKer/ftr_FeatureList.h"

class aif_ModelInfo;
class akw_BuilderComponent;
class kern_Object;

struct aif_FeatureOwner {
  enum Scope { kPart, kInstance, kAssembly };

  Scope scope = kAssembly;
  // The part or the assembly whose features are walked and in which their
  // regions resolve.
  const ftr_PrimaryObject* object = nullptr;
  // The instance whose nodes the features use (for a part, the lightweight
  // instance that brought it); ftr_kAssemblyId for the assembly.
  unsigned id = ftr_kAssemblyId;
  // The part's name, the instance's name, or empty for the assembly: the
  // definition the keywords are filed in.
  cow_String name;
  // The part and instance names (empty for the assembly).
  cow_String part;
  cow_String instance;
  bool partBased = true;

  // Node numbers inside a part or instance block are written without an
  // instance name; at the assembly level of a part-based file they are
  // qualified by their instance.
  bool AssemblyLevel() const { return scope == kAssembly; }
};

// Calls `visit` for each owner; nothing for a model without an assembly.
// Only meshes the file holds carry features: an instance whose mesh is
// locked is skipped, and a part is taken with its first lightweight instance
// that is not locked.
void aif_ForEachFeatureOwner(const aif_ModelInfo& info,
                             const std::function<void(const aif_FeatureOwner&)>& visit);

// The features a list of handles holds (springs, inertias) in repository
// order, which is by name.
template <class Handles>
auto aif_FeaturesByName(const Handles& handles) {
  using Feature = std::remove_cvref_t<decltype(*handles[0].Get())>;
  std::vector<const Feature*> features;
  for (const auto& handle : handles)
    features.push_back(handle.Get());
  std::stable_sort(features.begin(), features.end(),
                   [](const Feature* a, const Feature* b) { return a->Name() < b->Name(); });
  return features;
}

// Leaves out of `nodes` (node labels by instance id; element labels serve
// as well) the instances whose mesh the file does not hold (locked,
// inactive, not an instance), so that no element names a node that is not
// written; the assembly's own members stay.
void aif_KeepWrittenNodes(const aif_ModelInfo& info, cow_Map<int, cow_List<int>>& nodes);
