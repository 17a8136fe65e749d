#include "aif/impl/optimization/aif_ObjFunc.h"

#include <cfloat>

#include "OdbAttrEO/kopC_DesignResponse.h"
#include "OdbAttrEO/kopC_Task.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr const char* kObjFuncTargets[] = {"MIN", "MAX", "MINMAX"};

}  // namespace

void aif_ObjFunc::Write(utl_Stream& stream) const {
  aif_KestBlock block(stream, "OBJ_FUNC");
  block.Line("ID_NAME", aif_KestIdName(info_, name_, aif_kKestObjectiveFunction));
  for (const kopC_Objective& term : objective_.Terms()) {
    if (term.Excluded()) continue;
    block.Key("DRESP") << aif_KestIdName(info_, term.DesignResponse(), aif_kKestDesignResponse)
                       << ", " << term.FirstValue();
    const double second = term.SecondValue();
    if (second != DBL_MAX && (second != 0.0 || taskKind_ == kopC_ShapeTask::kTypeId))
      stream << ", " << second;
    stream << endl;
  }
  const int target = objective_.Target();
  if (target >= 0 && target < 3) block.Line("TARGET", kObjFuncTargets[target]);
  block.End();
}
