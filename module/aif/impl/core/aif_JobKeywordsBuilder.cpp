#include "aif/impl/core/aif_JobKeywordsBuilder.h"

#include <string>

#include "BasCoreUtils/VZLBasUtlFilePath.h"
#include "BasShared/atr_String.h"
#include "MSVCR90/rt_Runtime.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbCore/ddb_DdbContainer.h"
#include "OdbCore/ddr_Root.h"
#include "OdbCore/rds_RfmFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Heading.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_Preprint.h"
#include "aif/impl/core/aif_ResultsLookup.h"
#include "aif/impl/steps/aif_Restart.h"

namespace {

constexpr char kJobKeywordsBuilderFile[] = "module/aif/impl/aif_JobKeywordsBuilder";
constexpr char kResultsModel[] = "Default Model";

// The error for a restart step the earlier job's results do not hold, in the
// form the import of an initial state uses.
[[noreturn]] void ThrowMissingStep(const cow_String& step, const cow_String& path, int line) {
  std::string text = atr_Translate("Missing step %s in .odb file %s").Str();
  for (const std::string& arg : {step.Str(), path.Str()}) {
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, arg);
  }
  nex_Exception::Throw(aif_Exception(cow_String(std::move(text))), kJobKeywordsBuilderFile, line);
}

// The restart-read keyword for the model's restart job and step. Throws
// aif_Exception when the results file is missing or does not hold the step.
aif_Restart RestartRead(const aif_Model& model) {
  const cow_String path = VZLBasUtlFilePath(model.RestartJobName() + ".odb", cow_String())
                              .Portable()
                              .AbsolutePathName();
  if (rt_access(path.CStr(), 0) != 0)
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg("Missing .odb file %s", path)),
                         kJobKeywordsBuilderFile, 49);

  const aif_ResultsLookup results(path);
  const ddb_StepContainer& steps = results.Ddb().ConstGetModel(kResultsModel).Steps();
  const ddb_Step* found = steps.Find(model.RestartStepName());
  // "step=-1" would make the solver fail on a deck reported as written.
  if (!found) ThrowMissingStep(model.RestartStepName(), path, __LINE__);
  const unsigned procedureType = found->getKprProcedureType();
  bool cycle = false;
  if (procedureType == kprC_DirectCyclicStep::TypeId())
    cycle = nex_canDynamicCastRef<const kprC_DirectCyclicStep>(found->AnalysisStep(),
                                                               kJobKeywordsBuilderFile, 84)
                .Cycle();
  return aif_Restart(found->stepId(), model.RestartIncrement(), model.RestartEndStep(),
                     procedureType, cycle);
}

}  // namespace

aif_JobKeywordsBuilder::aif_JobKeywordsBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo) {
  // The context of an optimization process has no job.
  if (const akw_Job* job = static_cast<const aif_ModelInfo&>(modelInfo).Job())
    job_ = cow_COW<akw_Job>(*job);
}

void aif_JobKeywordsBuilder::Build() {
  if (job_.IsNull()) return;
  const auto& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  const aif_Model& model = info.ModelAdapter();
  AddModelDefinition(aif_Heading(*job_, model.Preamble()));
  AddModelDefinition(aif_Preprint(job_));
  if (job_->IsRestart()) AddModelDefinition(RestartRead(model));
}
