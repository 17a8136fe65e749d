#include "OdbCoreGeom/bme_Mesh.h"

bme_ElementClass& bme_Mesh::AddElementClass(const cow_String& typeName, int nodesPerElement) {
  classes_.emplace_back(typeName, nodesPerElement, NumElements());
  return classes_.back();
}

std::size_t bme_Mesh::NumElements() const {
  std::size_t count = 0;
  for (const bme_ElementClass& c : classes_)
    count += c.NumElements();
  return count;
}
