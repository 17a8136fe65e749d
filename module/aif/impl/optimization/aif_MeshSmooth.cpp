#include "aif/impl/optimization/aif_MeshSmooth.h"

#include "OdbAttrEO/kopC_Task.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr char kMeshSmoothFile[] = "module/aif/impl/optimization/aif_MeshSmooth.cpp";

constexpr const char* kMeshSmoothLevels[] = {"LOW", "MEDIUM", "HIGH"};
constexpr const char* kMeshSmoothQualities[] = {"NOT", "LOW", "MEDIUM", "HIGH"};

// "  KEY = word" when `value` has a word in `words`.
template <std::size_t N>
void MeshSmoothWordLine(aif_KestBlock& block, const char* key, const char* const (&words)[N],
                        int value) {
  if (value >= 0 && static_cast<std::size_t>(value) < N) block.Line(key, words[value]);
}

const char* MeshSmoothYesNo(bool flag) {
  return flag ? "YES" : "NO";
}

}  // namespace

void aif_MeshSmooth::Write(utl_Stream& stream) const {
  if (task_.DynTypeId() != kopC_ShapeTask::TypeId()) return;
  const kopC_ShapeTask& t =
      nex_canDynamicCastRef<const kopC_ShapeTask>(task_, kMeshSmoothFile, __LINE__);
  if (t.SmoothingRegionKind() == 0) return;

  aif_KestBlock block(stream, "MESH_SMOOTH");
  block.Line("ID_NAME", aif_KestTaskName(info_, "_MESH_SMOOTH_"));
  if (t.SmoothingRegionKind() == 1) {
    aif_KestElementGroupLine(t.SmoothingElementRegion(), info_, stream);
  } else if (t.SmoothingRegionKind() == 2) {
    bool isElement = false;
    const cow_String group =
        aif_KestGroupName(isElement, t.SmoothingNodeRegion(), info_, true, false);
    if (!group.IsEmpty()) block.Key("MS_LAYER") << group << ", " << t.SmoothingLayers() << endl;
  }
  if (t.FreeSurfaceMode() == 1)
    block.Line("FREE_SF", "FREE");
  else
    block.Key("FREE_SF") << "FIX, " << t.FixedLayers() << endl;
  if (t.SmoothingStrategy() == 1) {
    block.Line("STRATEGY", "LOCAL_GRADIENT");
    block.Line("FEATURE_RECOGNITION", t.FeatureRecognition());
  } else if (t.SmoothingStrategy() == 0) {
    block.Line("STRATEGY", "CONSTRAINED_LAPLACIAN");
    MeshSmoothWordLine(block, "LEVEL_CONV", kMeshSmoothLevels, t.ConvergenceLevel());
    MeshSmoothWordLine(block, "LEVEL_DVCON", kMeshSmoothLevels, t.RestrictionLevel());
  }
  MeshSmoothWordLine(block, "LEVEL_QUAL", kMeshSmoothQualities, t.QualityLevel());
  block.Line("QUAL_LIST", MeshSmoothYesNo(t.QualityList()));
  block.Line("SOLVER_CHECK", MeshSmoothYesNo(t.SolverCheck()));
  block.Line("SOLVER_STOP", MeshSmoothYesNo(t.SolverStop()));
  if (t.QualityLevel() != 0) {
    block.Line("TRIA_LOW_ANGLE", t.TriaLowAngle());
    block.Line("TRIA_HIGH_ANGLE", t.TriaHighAngle());
    block.Line("QUAD_LOW_ANGLE", t.QuadLowAngle());
    block.Line("QUAD_HIGH_ANGLE", t.QuadHighAngle());
    block.Line("Q4TAPER", t.Q4Taper());
    block.Line("Q4SKEW", t.Q4Skew());
    block.Line("TETRA_LOW_ASPECT", t.TetraLowAspect());
    block.Line("TETRA_HIGH_ASPECT", t.TetraHighAspect());
    block.Line("TETRAAR", t.TetraAspectRatio());
    block.Line("T3SKEW", t.T3Skew());
  }
  block.End();
}
