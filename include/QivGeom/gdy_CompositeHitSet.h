// A set of mesh entities picked from the model: element indices (the
// elements a layup's generated set covers) and node hits per instance (the
// nodes of a region, as node ids by instance id).
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"

struct gdy_CompositeHitSet {
  cow_List<int> elementIndices;
  cow_Map<int, cow_List<int>> nodeHits;

  // Keeps only the node hits `other` has too. `keepEmpty` keeps instances
  // left without hits as empty entries. Linear in the members of both sets.
  void Intersect(const gdy_CompositeHitSet& other, bool keepEmpty);
  // Adds the node hits of `other` that this set does not hold yet.
  void Add(const gdy_CompositeHitSet& other);
  // The number of node hits over all instances.
  long long HitCount() const;
};
