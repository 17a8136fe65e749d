// Reference points of part instances and of the assembly, as nodes: each has a
// label, the user label it is known by and its coordinates.
#pragma once

#include "BasShared/cow_List.h"
#include "VwrModKer/ftr_FeatureList.h"

struct ref_RefNode {
  int label = 0;
  int userLabel = 0;
  double x = 0, y = 0, z = 0;
};

namespace ref_Utils {

// The reference nodes of instance `id` (its part's reference points), in
// point order. With usable labels they are numbered after the highest node
// label of the instance's mesh; without, they continue the mesh's zero-based
// node indices (the caller adds the instance's offset to either). The user
// label is the same number unless the point was given one of its own. The
// assembly's own feature (ftr_kAssemblyId) gives the assembly's reference
// points the same way. None for any other
// feature.
cow_List<ref_RefNode> GetRefNodes(const ftr_FeatureList& features, unsigned id, bool labelsUsable);
// Whether the mesh of feature `id` already has a node with user label `label`.
bool UserNodeLabelExists(const ftr_FeatureList& features, unsigned id, int label);

}  // namespace ref_Utils
