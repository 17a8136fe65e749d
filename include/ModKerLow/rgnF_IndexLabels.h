// Turning zero-based node and element indices of a mesh into the labels the
// mesh gives them.
#pragma once

#include "BasShared/cow_List.h"

class bme_Mesh;

namespace rgnF_Utils {

// Replaces each element index of `indices` by its label: the user label of
// its element class when the class carries one for every element, else the
// index + 1 (also for an index outside the mesh).
void ConvertElemIndicesToLabels(const bme_Mesh& mesh, cow_List<int>& indices);
// The same for node indices, with the mesh's user node labels.
void ConvertNodeIndicesToLabels(const bme_Mesh& mesh, cow_List<int>& indices);

}  // namespace rgnF_Utils
