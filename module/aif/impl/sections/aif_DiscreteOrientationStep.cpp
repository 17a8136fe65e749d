#include "aif/impl/sections/aif_DiscreteOrientationStep.h"

#include <unordered_set>

#include "AttributesIntObj/asoK_Assembly.h"
#include "AttributesIntObj/asoK_InstanceNames.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnK_ElementCentroids.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kseK_DiscreteOrientation.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "QivGeom/gsl_Vector.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_DiscreteFieldRecords.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesState.h"

namespace {

// The copy of `orientation` the kernel evaluates: its direction geometry and
// datums as the instance's.
ptoC_MaterialOrientation Localized(const ptoC_MaterialOrientation& orientation,
                                   const cow_String& instance) {
  ptoC_MaterialOrientation local(orientation);
  for (int d = 0; d < 2; ++d) {
    if (rgnC_Region* region = local.MutableDirectionRegion(d)) region->AddOwnerName(instance);
    if (!local.DirectionDatum(d).IsNullRef()) {
      dtmC_DatumRef datum = local.DirectionDatum(d);
      datum.owners = {instance};
      local.SetDirectionDatum(d, datum);
    }
  }
  return local;
}

// The element centroids of `regions`, each element once in the order first
// met, and the table named by the first instance a region's ids belong to
// (unless at part level); `solidFlag` as the last region gives it. False
// when a region has no centroids or no element ids.
bool Centroids(const aif_ModelInfo& info, const aif_InstanceScope& scope,
               const cow_List<rgnC_Region>& regions, kfdC_DataTable& table, cow_List<int>& elements,
               cow_List<gsl_Vector>& points, bool& solidFlag) {
  const bool usable = info.ElementLabelsUsable();
  std::unordered_set<int> met;
  for (const rgnC_Region& region : regions) {
    const rgnK_Region kernel(info.Assembly(), info.Model().Name(), region);
    solidFlag = (kernel.Flags() & 2) != 0 && scope.part->GetSpace() == ptoK_SPACE_3D;
    cow_2DArray<double> centroids;
    rgnK_GetElementCentroids(region, scope.id, *scope.mesh, centroids);
    cow_Map<int, cow_List<int>> ids;
    kernel.GetElementIds(ids, nullptr, scope.id, usable, true);
    if (centroids.Rows() == 0 || ids.IsEmpty()) return false;
    const int first = ids.begin()->first;
    if (!scope.partLevel) table.SetName(info.FeatureName(static_cast<unsigned>(first)));
    if (first != scope.id) continue;  // the centroids are the instance's
    const cow_List<int>& members = ids.begin()->second;
    met.reserve(met.size() + members.Length());
    for (std::size_t i = 0; i < members.Length() && i < centroids.Rows(); ++i) {
      if (!met.insert(members[i]).second) continue;
      elements.Append(members[i]);
      points.Append(gsl_Vector(centroids(i, 0), centroids(i, 1), centroids(i, 2)));
    }
  }
  return true;
}

}  // namespace

cow_String aif_DiscreteOrientationStep::Add(const aif_InstanceScope& scope,
                                            const ptoC_MaterialOrientation& orientation,
                                            const cow_String& name,
                                            const cow_List<rgnC_Region>& regions) {
  aif_ModelInfo& info = state_.info;
  const cow_String& model = info.Model().Name();
  const ptoC_MaterialOrientation local = Localized(orientation, scope.name);
  aif_DiscreteFieldRecords records(state_, filer_);
  const cow_String distributionName = records.UniqueName(name + "-DiscOrient");

  kfdC_DataTable table(cow_String(), 6);
  cow_List<int> elements;
  cow_List<gsl_Vector> points;
  bool solidFlag = false;
  if (!Centroids(info, scope, regions, table, elements, points, solidFlag)) return cow_String();

  cow_List<gdy_HitRecord> hits[2];
  for (int d = 0; d < 2; ++d)
    if (local.DirectionKind(d) == 0 && local.DirectionRegion(d))
      rgnK_Region(info.Assembly(), model, *local.DirectionRegion(d)).GetAllGeomComponents(hits[d]);
  cow_List<gsl_Vector> directions[4];
  if (!kseK_EvaluateDiscreteOrientation(local, info.Assembly(), hits[0], hits[1], model, points,
                                        solidFlag, directions, 0.0, false))
    return cow_String();

  // Rows hold the element's label (usable labels) or its index + 1; the
  // distribution adds the instance's offset.
  const int shift = info.ElementLabelsUsable() ? 0 : 1;
  const cow_List<gsl_Vector>& axis1 = directions[solidFlag ? 1 : 0];
  const cow_List<gsl_Vector>& axis2 = directions[solidFlag ? 2 : 1];
  for (std::size_t i = 0; i < elements.Length(); ++i) {
    gsl_Vector a = axis1[i], b = axis2[i];
    if (scope.flat) {
      a = scope.transform.Rotate(a);
      b = scope.transform.Rotate(b);
    }
    const double row[6] = {a.x, a.y, a.z, b.x, b.y, b.z};
    table.AddDomainValue(elements[i] + shift, row);
  }

  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kElements);
  field.SetDataKind(kfdC_DiscreteField::kOrientations);
  field.SetComponentCount(6);
  field.SetDefaultValues({1.0, 0.0, 0.0, 0.0, 1.0, 0.0});
  field.SetDescription("Distribution generated from Discrete Orientation");
  field.AddDataTable(table);
  cow_List<cow_String> targets;
  if (scope.partLevel) targets = asoK_GetInstanceNames(*info.Assembly(), scope.partName, model);
  records.File(field,
               aif_DiscreteFieldRecords::Record(scope, distributionName, targets,
                                                {cow_String("coord3D"), cow_String("coord3D")}),
               false);
  return distributionName;
}
