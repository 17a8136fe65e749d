#include "aif/impl/optimization/aif_Optimize.h"

#include "OdbAttrEO/kopC_Task.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr char kOptimizeFile[] = "module/aif/impl/optimization/aif_Optimize.cpp";

const char* OptimizeStrategy(int algorithm) {
  switch (algorithm) {
    case 1:
      return "TOPO_CONTROLLER";
    case 2:
      return "TOPO_SENSITIVITY";
    case 4:
      return "SHAPE_CONTROLLER";
    case 8:
      return "SHAPE_SENSITIVITY";
    default:
      return "";
  }
}

// One "  KEY = identifier" line per unsuppressed object of `objects`, in
// name order; objects for which `skip` holds are not named.
template <class Map, class Skip>
void WriteOptimizeReferences(aif_KestBlock& block, aif_ModelInfo& info, const Map& objects,
                             const char* key, unsigned kind, Skip skip) {
  for (const auto& [name, object] : objects.ConstGetMap())
    if (!object->Suppressed() && !skip(*object)) block.Line(key, aif_KestIdName(info, name, kind));
}

}  // namespace

void aif_Optimize::Write(utl_Stream& stream) const {
  const kopC_ShapeTask* shape =
      task_.DynTypeId() == kopC_ShapeTask::TypeId()
          ? &nex_canDynamicCastRef<const kopC_ShapeTask>(task_, kOptimizeFile, __LINE__)
          : nullptr;
  const auto none = [](const auto&) { return false; };
  aif_KestBlock block(stream, "OPTIMIZE");
  block.Line("ID_NAME", aif_KestIdName(info_, info_.Model().OptimizationText(), aif_kKestTask));
  block.Line("DV", aif_KestTaskName(info_, "_DESIGN_AREA_"));
  WriteOptimizeReferences(block, info_, task_.ObjectiveFunctions(), "OBJ_FUNC",
                          aif_kKestObjectiveFunction, none);
  WriteOptimizeReferences(
      block, info_, task_.GeometricRestrictions(), "DVCON", aif_kKestGeometricRestriction,
      [](const kopC_GeometricRestriction& r) { return aif_KestIsShapeLink(r.DynTypeId()); });
  if (shape && shape->CheckBoundaryConditions())
    block.Line("DVCON", aif_KestIdName(info_, aif_KestCheckBCName(info_.Model().OptimizationText()),
                                       aif_kKestGeometricRestriction));
  WriteOptimizeReferences(block, info_, task_.Constraints(), "CONSTRAINT", aif_kKestConstraint,
                          none);
  block.Line("STRATEGY", OptimizeStrategy(task_.Algorithm()));
  if (shape && shape->SmoothingRegionKind() != 0)
    block.Line("MESH_SMOOTH", aif_KestTaskName(info_, "_MESH_SMOOTH_"));
  block.End();
}
