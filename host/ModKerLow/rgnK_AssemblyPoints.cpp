// The assembly forms of the region's nodal coordinates and element points:
// the members of each instance found in the instance's mesh and placed by
// its transform.
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnK_ElementCentroids.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "QivGeom/gsl_Matrix.h"
#include "VwrModKer/ftr_FeatureList.h"

namespace {

// The mesh of instance `id` of `assembly` and its placement; false when the
// instance has no mesh.
bool rgnK_PlacedMesh(const ftr_PrimaryObject* assembly, int id, const bme_Mesh*& mesh,
                     const gsl_Matrix*& transform) {
  mesh = nullptr;
  transform = nullptr;
  if (!assembly) return false;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  if (id == static_cast<int>(ftr_kAssemblyId)) {
    mesh = features.ConstGetMesh(ftr_kAssemblyId);
    return mesh != nullptr;
  }
  if (id < 0) return false;
  const asoF_PartInstance* instance =
      asoF_Utils::ConstGetPartInstance(features, static_cast<unsigned>(id));
  if (!instance || !instance->ConstGetMesh()) return false;
  mesh = instance->ConstGetMesh();
  if (!instance->GetTransform().IsIdentity()) transform = &instance->GetTransform();
  return true;
}

// Writes `point` (part coordinates), placed, into row `row` of `rows`.
void rgnK_PutPlaced(cow_2DArray<double>& rows, std::size_t row, const gsl_Matrix* transform,
                    gsl_Point point) {
  if (transform) point = transform->Transform(point);
  rows.Modify(row, 0) = point.x;
  rows.Modify(row, 1) = point.y;
  rows.Modify(row, 2) = point.z;
}

// Corner nodes (from 1) of the faces S1 to S6 of an eight-node brick.
constexpr int kBrickFaceNodes[6][4] = {{1, 2, 3, 4}, {5, 8, 7, 6}, {1, 5, 6, 2},
                                       {2, 6, 7, 3}, {3, 7, 8, 4}, {4, 8, 5, 1}};
// End nodes (from 1) of the edges E1 to E4 of a four-node shell.
constexpr int kShellEdgeNodes[4][2] = {{1, 2}, {2, 3}, {3, 4}, {4, 1}};

bool rgnK_TypeStartsWith(const bme_ElementClass& element, const char* prefix) {
  const cow_String& type = element.TypeName();
  const std::size_t n = std::strlen(prefix);
  return type.Length() >= n && std::strncmp(type.CStr(), prefix, n) == 0;
}

// The number (1 to 9) that ends `face`, or 0 for "SPOS", "SNEG", an empty
// name or one that ends otherwise.
int rgnK_FaceNumber(const cow_String& face) {
  if (face.IsEmpty() || face == "SPOS" || face == "SNEG") return 0;
  const char last = face.CStr()[face.Length() - 1];
  return last >= '1' && last <= '9' ? last - '0' : 0;
}

// The mean of the nodes `corners` (from 1) of an element whose node indices
// start at `nodes`.
gsl_Point rgnK_MeanOf(const std::vector<float>& xyz, const int* nodes, const int* corners,
                      int count) {
  double sum[3] = {0.0, 0.0, 0.0};
  for (int k = 0; k < count; ++k) {
    const std::size_t node = static_cast<std::size_t>(nodes[corners[k] - 1]);
    for (std::size_t axis = 0; axis < 3; ++axis)
      sum[axis] += xyz[3 * node + axis];
  }
  return {sum[0] / count, sum[1] / count, sum[2] / count};
}

// The point of category `category` of element `index` of `mesh` with face
// `face`; false for an index outside the mesh or a node outside its nodes.
bool rgnK_ElementPoint(const bme_Mesh& mesh, int index, int category, const cow_String& face,
                       gsl_Point& point) {
  if (index < 0) return false;
  const std::vector<bme_ElementClass>& classes = mesh.ElementClasses();
  const std::size_t at = static_cast<std::size_t>(index);
  // Classes follow each other in index order: the last one starting at or
  // before the index holds it, if any does.
  auto next = std::upper_bound(
      classes.begin(), classes.end(), at,
      [](std::size_t value, const bme_ElementClass& c) { return value < c.FirstElementIndex(); });
  if (next == classes.begin()) return false;
  const bme_ElementClass& element = *(next - 1);
  if (at >= element.FirstElementIndex() + element.NumElements()) return false;
  const int n = element.NodesPerElement();
  const int* nodes = element.Connectivity().data() +
                     (at - element.FirstElementIndex()) * static_cast<std::size_t>(n);
  const std::size_t nodeCount = mesh.NumNodes();
  for (int k = 0; k < n; ++k)
    if (nodes[k] < 0 || static_cast<std::size_t>(nodes[k]) >= nodeCount) return false;
  const std::vector<float>& xyz = mesh.NodeData().Coordinates();
  const int number = rgnK_FaceNumber(face);
  if (category == rgnK_CENTROID_FACES && n == 8 && number >= 1 && number <= 6 &&
      rgnK_TypeStartsWith(element, "C3D8")) {
    point = rgnK_MeanOf(xyz, nodes, kBrickFaceNodes[number - 1], 4);
    return true;
  }
  if (category == rgnK_CENTROID_EDGES && n == 4 && number >= 1 && number <= 4 &&
      rgnK_TypeStartsWith(element, "S4")) {
    point = rgnK_MeanOf(xyz, nodes, kShellEdgeNodes[number - 1], 2);
    return true;
  }
  std::array<int, 64> all{};
  if (n <= 0 || n > static_cast<int>(all.size())) {
    point = gsl_Point();
    return n == 0;
  }
  for (int k = 0; k < n; ++k)
    all[static_cast<std::size_t>(k)] = k + 1;
  point = rgnK_MeanOf(xyz, nodes, all.data(), n);
  return true;
}

}  // namespace

void rgnK_GetNodalCoords(const rgnK_Region& region, const ftr_PrimaryObject* assembly,
                         bool labelsUsable, bool withMidside, bool activeOnly,
                         cow_Map<int, cow_2DArray<double>>& table) {
  (void)labelsUsable;  // rows follow the ids in either numbering
  // The mesh indices, made unique: the same order as the unique ids.
  cow_Map<int, cow_List<int>> indices;
  region.GetNodeIds(indices, 1000, false, withMidside, activeOnly);
  rgnK_GetUniqueIds(indices);
  for (const auto& [id, nodes] : indices) {
    const bme_Mesh* mesh = nullptr;
    const gsl_Matrix* transform = nullptr;
    if (!rgnK_PlacedMesh(assembly, id, mesh, transform)) continue;
    const std::vector<float>& xyz = mesh->NodeData().Coordinates();
    const std::size_t count = nodes.Length();
    cow_2DArray<double> rows(count, 3, 0.0);
    for (std::size_t row = 0; row < count; ++row) {
      const int node = nodes[row];
      gsl_Point point;
      if (node >= 0 && static_cast<std::size_t>(node) < mesh->NumNodes()) {
        const std::size_t at = 3 * static_cast<std::size_t>(node);
        point = gsl_Point(xyz[at], xyz[at + 1], xyz[at + 2]);
      }
      rgnK_PutPlaced(rows, row, transform, point);
    }
    table.Set(id, rows);
  }
}

void rgnK_GetElementCentroids(const rgnK_Region& region, const ftr_PrimaryObject* assembly,
                              int category, bool labelsUsable, bool withMidside, bool activeOnly,
                              cow_Map<int, cow_2DArray<double>>& table) {
  (void)labelsUsable;  // rows follow the entries in either numbering
  (void)withMidside;
  cow_Map<int, cow_List<int>> indices;
  cow_Map<int, cow_List<cow_String>> faces;
  region.GetElementIds(indices, &faces, 1000, false, activeOnly);
  for (const auto& [id, elements] : indices) {
    const bme_Mesh* mesh = nullptr;
    const gsl_Matrix* transform = nullptr;
    if (!rgnK_PlacedMesh(assembly, id, mesh, transform)) continue;
    const cow_List<cow_String>* names = faces.Find(id);
    static const cow_String kNoFace;
    const std::size_t count = elements.Length();
    cow_2DArray<double> rows(count, 3, 0.0);
    for (std::size_t row = 0; row < count; ++row) {
      const cow_String& face = names && row < names->Length() ? (*names)[row] : kNoFace;
      gsl_Point point;
      if (!rgnK_ElementPoint(*mesh, elements[row], category, face, point)) point = gsl_Point();
      rgnK_PutPlaced(rows, row, transform, point);
    }
    table.Set(id, rows);
  }
}
