#include "OdbCoreGeom/bme_Mesh.h"

#include <algorithm>

#include "ModKerLow/asoF_PartInstance.h"

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

gsl_BBox bme_NodeData::BoundingBox() const {
  gsl_BBox box;
  if (coordinates_.size() < 3) return box;
  float low[3] = {coordinates_[0], coordinates_[1], coordinates_[2]};
  float high[3] = {low[0], low[1], low[2]};
  for (std::size_t i = 3; i + 2 < coordinates_.size(); i += 3)
    for (std::size_t c = 0; c < 3; ++c) {
      low[c] = std::min(low[c], coordinates_[i + c]);
      high[c] = std::max(high[c], coordinates_[i + c]);
    }
  box.Extend(gsl_Point(low[0], low[1], low[2]));
  box.Extend(gsl_Point(high[0], high[1], high[2]));
  return box;
}

std::unique_ptr<bme_ElementClass> bme_ElementClass::ConstructObject(const cow_String& typeName) {
  return std::make_unique<bme_ElementClass>(typeName, 1, 0);
}

bool kcoK_IsDisplayInstance(const asoF_PartInstance& instance) {
  const bme_Mesh* mesh = instance.ConstGetMesh();
  return mesh && mesh->DisplayMesh();
}

std::shared_ptr<const bme_Mesh> kcoK_MakeDisplayMesh(const asoF_PartInstance& instance) {
  const bme_Mesh* mesh = instance.ConstGetMesh();
  return mesh ? mesh->DisplayMesh() : nullptr;
}
