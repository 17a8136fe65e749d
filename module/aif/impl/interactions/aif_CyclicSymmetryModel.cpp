#include "aif/impl/interactions/aif_CyclicSymmetryModel.h"

#include <cfloat>
#include <optional>

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_Map.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "QivGeom/gsl_Point.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kCyclicSymmetryModelFile[] =
    "module/aif/impl/interactions/aif_CyclicSymmetryModel.cpp";

// Row 0 of the first instance's coordinate table of a one-node region; false
// when the region names no instance or that instance has no coordinates.
bool CyclicMeshNodePoint(const rgnK_Region& kernel, const aif_ModelInfo& info, gsl_Point& point) {
  const cow_List<unsigned> instances = kernel.InstanceIds(true);
  if (instances.IsEmpty()) return false;
  cow_Map<int, cow_2DArray<double>> table;
  rgnK_GetNodalCoords(kernel, info.Assembly(), info.NodeLabelsUsable(), true, true, table);
  const cow_2DArray<double>* rows = table.Find(static_cast<int>(instances[0]));
  if (!rows || rows->Rows() == 0 || rows->Columns() < 3) return false;
  point = gsl_Point((*rows)(0, 0), (*rows)(0, 1), (*rows)(0, 2));
  return true;
}

// The point the first hit record of a reference point set computes; false
// when the kernel has no record for it (the axis would otherwise silently
// reuse coordinates of another point).
bool CyclicReferencePoint(const rgnK_Region& kernel, gsl_Point& point) {
  cow_List<std::optional<gsl_Point>> records;
  kernel.GetGeomHitRecords(records, false);
  if (records.IsEmpty() || !records[0]) return false;
  point = *records[0];
  return true;
}

// The first geometric component's coordinates when it is a vertex, placed by
// the transform of the region's first instance (the assembly's own vertices
// as they stand); false for any other component, none, or an instance the
// assembly does not hold.
bool CyclicVertexPoint(const rgnK_Region& kernel, const aif_ModelInfo& info, gsl_Point& point) {
  const cow_List<rgnC_GeomComponent>& components = kernel.GeomComponents();
  if (components.IsEmpty() || components[0].kind != rgnC_GeomComponent::kVertex) return false;
  const cow_List<unsigned> instances = kernel.InstanceIds(true);
  const asoK_Assembly* assembly = info.Assembly();
  if (instances.IsEmpty() || !assembly) return false;
  if (instances[0] == ftr_kAssemblyId) {
    point = components[0].coords;
    return true;
  }
  const asoF_PartInstance* instance =
      asoF_Utils::ConstGetPartInstance(assembly->ConstGetFeatureList(), instances[0]);
  if (!instance) return false;
  const gsl_Matrix transform = instance->GetTransform();
  point = transform.Transform(components[0].coords);
  return true;
}

void WriteCyclicAxisPoint(utl_Stream& stream, const gsl_Point& point) {
  stream << point.x << ", " << point.y << ", " << point.z;
}

}  // namespace

aif_CyclicSymmetryModel::aif_CyclicSymmetryModel(const cow_COW<kinC_Interaction>& interaction,
                                                 const aif_ModelInfo& info)
    : interaction_(interaction), info_(&info) {}

bool aif_CyclicSymmetryModel::AxisPoint(const rgnC_Region& region, const aif_ModelInfo& info,
                                        gsl_Point& point) {
  const rgnK_Region kernel(info.Assembly(), info.ModelName(), region);
  if (!kernel.IsValid(true) || !kernel.IsSinglePoint()) return false;
  if (kernel.IsMeshRegion()) return CyclicMeshNodePoint(kernel, info, point);
  if (kernel.IsRefPointSet()) return CyclicReferencePoint(kernel, point);
  return CyclicVertexPoint(kernel, info, point);
}

double aif_CyclicSymmetryModel::TiePositionTolerance(const kinC_CyclicSymmetry& cyclic) {
  return cyclic.PositionToleranceKind() == 1 ? cyclic.PositionTolerance() : DBL_MAX;
}

void aif_CyclicSymmetryModel::Write(utl_Stream& stream) const {
  const auto& cyclic = nex_canDynamicCastRef<const kinC_CyclicSymmetry>(
      *interaction_, kCyclicSymmetryModelFile, __LINE__);
  stream << "*Cyclic Symmetry Model, n=" << cyclic.RepetitiveSectors() << endl;
  gsl_Point point;
  if (!AxisPoint(cyclic.FirstAxisPoint(), *info_, point)) return;
  WriteCyclicAxisPoint(stream, point);
  if (AxisPoint(cyclic.SecondAxisPoint(), *info_, point)) {
    stream << ", ";
    WriteCyclicAxisPoint(stream, point);
  }
  stream << endl;
}
