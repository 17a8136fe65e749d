#include "aif/impl/optimization/aif_OptParam.h"

#include <cfloat>

#include "OdbAttrEO/kopC_Task.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr char kOptParamFile[] = "module/aif/impl/optimization/aif_OptParam.cpp";

bool OptParamIsSet(double value) {
  return value != DBL_MAX;
}

// "  KEY = value" when the value is set.
void OptParamOptionalLine(aif_KestBlock& block, const char* key, double value) {
  if (OptParamIsSet(value)) block.Line(key, value);
}

// The word of `value` in a table starting at `first`, or null outside it.
template <std::size_t N>
const char* OptParamWord(const char* const (&words)[N], int value, int first = 0) {
  const int index = value - first;
  return index >= 0 && static_cast<std::size_t>(index) < N ? words[index] : nullptr;
}

constexpr const char* kOptParamSpeeds[] = {"VERY_SLOW", "SLOW", "MODERATE", "MEDIUM", "FAST"};
constexpr const char* kOptParamDensityUpdates[] = {"NORMAL", "CONSERVATIVE", "AGRESSIVE"};
constexpr const char* kOptParamInterpolations[] = {"SIMP", "RAMP"};

}  // namespace

void aif_OptParam::Write(utl_Stream& stream) const {
  aif_KestBlock block(stream, "OPT_PARAM");
  block.Line("ID_NAME", aif_KestTaskName(info_, "_OPT_PARAM_"));
  block.Line("OPTIMIZE", aif_KestIdName(info_, info_.Model().OptimizationText(), aif_kKestTask));
  if (task_.DynTypeId() == kopC_TopologyTask::TypeId())
    WriteTopology(stream,
                  nex_canDynamicCastRef<const kopC_TopologyTask>(task_, kOptParamFile, __LINE__));
  else if (task_.DynTypeId() == kopC_ShapeTask::TypeId())
    WriteShape(stream, nex_canDynamicCastRef<const kopC_ShapeTask>(task_, kOptParamFile, __LINE__));
  block.End();
}

void aif_OptParam::WriteTopology(utl_Stream& stream, const kopC_TopologyTask& t) const {
  aif_KestBlock block = aif_KestBlock::Continue(stream);
  const bool loads = t.FreezeLoadRegions();
  const bool bcs = t.FreezeBCRegions();
  block.Line("AUTO_FROZEN", loads && bcs ? "BOTH" : loads ? "LOAD" : bcs ? "SPC" : "OFF");
  if (t.SoftDelete() != 0 && !(t.SoftDeleteRegion() == rgnC_Region())) {
    bool isElement = false;
    const cow_String group = aif_KestGroupName(isElement, t.SoftDeleteRegion(), info_, false, true);
    if (!group.IsEmpty()) {
      block.Key("SOFT_DELETE") << group;
      if (OptParamIsSet(t.SoftDeleteThreshold())) stream << ", " << t.SoftDeleteThreshold();
      stream << endl;
    }
  }
  if (t.AlgorithmKind() == 0) {
    if (t.Speed() == 0)
      block.Key("SPEED") << "ITER, " << t.FixedIterations() << endl;
    else if (const char* speed = OptParamWord(kOptParamSpeeds, t.Speed(), 1))
      block.Line("SPEED", speed);
    if (t.StartDeleteMode() == 1 && t.StartDeleteValue() != 5.0)
      block.Key("START_DELETE") << "PERS, " << t.StartDeleteValue() << endl;
    else if (t.StartDeleteMode() == 2)
      block.Key("START_DELETE") << "ABS, " << t.StartDeleteValue() << endl;
  } else if (t.AlgorithmKind() == 1) {
    if (const char* update = OptParamWord(kOptParamDensityUpdates, t.DensityUpdate()))
      block.Line("DENSITY_UPDATE", update);
    block.Line("DENSITY_INITIAL", t.InitialDensity());
    block.Line("DENSITY_LOWER", t.LowerDensity());
    block.Line("DENSITY_UPPER", t.UpperDensity());
    block.Line("DENSITY_MOVE", t.DensityMove());
    OptParamOptionalLine(block, "FILTER_RADIUS", t.FilterRadius());
    if (const char* interpolation =
            OptParamWord(kOptParamInterpolations, t.MaterialInterpolation(), 1))
      block.Line("MAT_INTERPOLATION", interpolation);
    block.Line("MAT_PENALTY", t.MaterialPenalty());
    block.Line("STOP_CRITERION_LEVEL", t.StopCriterionLevel() == 1 ? "SINGLE" : "BOTH");
    block.Line("STOP_CRITERION_OBJ", t.StopCriterionObjective());
    block.Line("STOP_CRITERION_DENSITY", t.StopCriterionDensity());
    block.Line("STOP_CRITERION_ITER", t.StopCriterionIterations());
    block.Line("SUM_Q_FACTOR", t.SumQFactor());
    OptParamOptionalLine(block, "DAMP_STRUCTURAL_MASS", t.StructuralMassDamping());
    OptParamOptionalLine(block, "DAMP_STRUCTURAL_STIFF", t.StructuralStiffnessDamping());
    OptParamOptionalLine(block, "DAMP_VISCOUS_MASS", t.ViscousMassDamping());
    OptParamOptionalLine(block, "DAMP_VISCOUS_STIFF", t.ViscousStiffnessDamping());
    if (t.TrackedModes() != 0) {
      block.Key("MODETRACKING") << "ON";
      if (t.ModeTrackingRegionSwitch() != 0 && !(t.ModeTrackingRegion() == rgnC_Region())) {
        bool isElement = false;
        const cow_String group =
            aif_KestGroupName(isElement, t.ModeTrackingRegion(), info_, true, false);
        if (!group.IsEmpty()) stream << ", " << group;
      }
      stream << endl;
      block.Line("MODENUMBERS", t.TrackedModes());
    }
  }
}

void aif_OptParam::WriteShape(utl_Stream& stream, const kopC_ShapeTask& t) const {
  aif_KestBlock block = aif_KestBlock::Continue(stream);
  block.Key("SCALE") << t.Scale1() << ", " << t.Scale2() << endl;
  block.Line("MID_NODES", t.MidNodes() == 0 ? "LINEAR" : "INTERPOLATE");
  if (t.CurvatureSmoothing() != 0.0) block.Line("CURV_SMOOTH", t.CurvatureSmoothing());
  if (OptParamIsSet(t.Filter1()))
    block.Key("FILTER") << t.Filter1() << ", " << t.Filter2() << ", " << t.Filter3() << endl;
  block.Line("VECTOR", t.VectorChoice() == 0 ? "EVER" : "FIRST");
  block.Line("DISP", t.DisplacementChoice() == 0 ? "MINIMUM" : "AVERAGE");
  block.Line("TOL_VALUE", t.Tolerance());
}
