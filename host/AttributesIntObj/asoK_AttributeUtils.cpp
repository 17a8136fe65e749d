#include "AttributesIntObj/asoK_AttributeUtils.h"

#include <cmath>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "QivGeom/gsl_Matrix.h"

namespace {

const ptoC_ConnectorOrientation* AsOrientation(const cow_COW<kern_Object>& attribute) {
  return attribute->DynTypeId() == ptoC_ConnectorOrientation::TypeId()
             ? static_cast<const ptoC_ConnectorOrientation*>(attribute.Get())
             : nullptr;
}

}  // namespace

cow_Map<cow_String, int> asoK_AttributeUtils::GetConnectorMap(const Attributes& orientations) {
  cow_Map<cow_String, int> map;
  for (std::size_t i = 0; i < orientations.Length(); ++i)
    if (const ptoC_ConnectorOrientation* orientation = AsOrientation(orientations[i]))
      if (!map.Contains(orientation->RegionRef().Name()))
        map.Set(orientation->RegionRef().Name(), static_cast<int>(i));
  return map;
}

bool asoK_AttributeUtils::FindOrientation(const Attributes& orientations, const rgnC_Region& region,
                                          const cow_String& modelName, int& index,
                                          ptoC_ConnectorOrientation& orientation) {
  const rgnK_Region wires(nullptr, modelName, region);
  for (std::size_t i = orientations.Length(); i-- > 0;) {
    const ptoC_ConnectorOrientation* candidate = AsOrientation(orientations[i]);
    if (!candidate) continue;
    if (wires.Clash(rgnK_Region(nullptr, modelName, candidate->RegionRef())) != 0) continue;
    orientation = *candidate;
    index = static_cast<int>(i);
    return true;
  }
  return false;
}

int asoK_AttributeUtils::FindAttributeFromRegion(const rgnC_Region& region,
                                                 const asoK_Assembly* assembly,
                                                 const cow_String& modelName,
                                                 const Attributes& attributes) {
  const rgnK_Region wires(assembly, modelName, region);
  for (std::size_t i = 0; i < attributes.Length(); ++i) {
    if (attributes[i]->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
    const auto& assignment = static_cast<const ptoC_SectionAssignment&>(*attributes[i]);
    if (wires.Clash(rgnK_Region(assembly, modelName, assignment.RegionRef())) == 0)
      return static_cast<int>(i);
  }
  return -1;
}

bool asoK_AttributeUtils::GetPointSetLocation(const cow_String& modelName,
                                              const cow_String& setName,
                                              const asoK_Assembly& assembly, gsl_Point& point) {
  const rgnK_Region set(&assembly, modelName, rgnK_GetRegion(assembly, setName, 1));
  if (!set.IsValid(true) || !set.OriginalPartInstancesStillExist() || !set.IsSinglePoint())
    return false;
  if (set.IsRefPointSet()) {
    cow_List<std::optional<gsl_Point>> records;
    set.GetGeomHitRecords(records, false);
    if (records.IsEmpty() || !records[0]) return false;
    point = *records[0];
    return true;
  }
  if (set.IsGeomRegion()) {
    // The one vertex, placed by the instance its hit record names.
    gsl_Point vertex = set.GeomComponents()[0].coords;
    cow_List<std::optional<gdy_GeomHitRecord>> hits;
    set.GetGeomHitRecords(hits, true);
    if (!hits.IsEmpty() && hits[0])
      if (const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(
              assembly.ConstGetFeatureList(), hits[0]->GetInstanceId()))
        vertex = instance->GetTransform().Transform(vertex);
    point = vertex;
    return true;
  }
  cow_List<std::optional<int>> nodes;
  set.GetMeshHitRecords(nodes, true, false);
  if (nodes.IsEmpty() || !nodes[0]) return false;
  cow_Map<int, cow_2DArray<double>> table;
  rgnK_GetNodalCoords(set, &assembly, true, false, false, table);
  point = gsl_Point();
  for (const auto& entry : table) {
    const cow_2DArray<double>& rows = entry.second;
    if (rows.Rows() > 0) point = gsl_Point(rows(0, 0), rows(0, 1), rows(0, 2));
  }
  return true;
}

void asoK_AttributeUtils::ProjectSurfaceNormal(const rgnK_Region& surface,
                                               const gsl_Point& templatePoint,
                                               const cow_List<gsl_Point>& points,
                                               cow_List<gsl_Matrix>& placements) {
  const std::optional<gsl_Plane>& plane = surface.Region().KernelPlane();
  if (!plane) return;
  gsl_Vector normal = plane->Direction();
  if (!normal.Normalize()) return;
  // The template's z axis becomes the normal, its x axis the global x axis
  // laid into the plane (the global y axis for a plane across x): a plane
  // normal to z places the template unturned.
  const gsl_Vector along = std::abs(normal.x) > 0.9 ? gsl_Vector(0, 1, 0) : gsl_Vector(1, 0, 0);
  gsl_Vector first = along - normal * along.Dot(normal);
  first.Normalize();
  const gsl_Vector second = normal.Cross(first);
  for (const gsl_Point& point : points) {
    const double height = (point - plane->PointOn()).Dot(normal);
    const gsl_Point onPlane = point - normal * height;
    gsl_Matrix placement;
    placement.SetRotationVectors(first, second, normal);
    const gsl_Point turned = placement.Transform(templatePoint);
    placement.SetTranslation(onPlane - turned);
    placements.Append(placement);
  }
}
