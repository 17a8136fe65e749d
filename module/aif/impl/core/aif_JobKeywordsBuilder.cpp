#include "aif/impl/core/aif_JobKeywordsBuilder.h"

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

constexpr char kFile[] = "module/aif/impl/aif_JobKeywordsBuilder";
constexpr char kResultsModel[] = "Default Model";

// The procedure type of a restart step the results do not record: the first
// step kind of the analysis product, or ~0u for a product without one.
unsigned DefaultProcedureType(int product) {
  switch (product) {
    case kprC_STANDARD:
      return kprC_STATIC_PROCEDURE;
    case kprC_EXPLICIT:
      return kprC_EXPLICIT_DYNAMICS_PROCEDURE;
    case kprC_CFD:
      return kprC_CFD_PROCEDURE;
    default:
      return ~0u;
  }
}

// The restart-read keyword for the model's restart job and step.
aif_Restart RestartRead(const aif_Model& model, int product) {
  const cow_String path = VZLBasUtlFilePath(model.RestartJobName() + ".odb", cow_String())
                              .Portable()
                              .AbsolutePathName();
  if (rt_access(path.CStr(), 0) != 0)
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg("Missing .odb file %s", path)), kFile,
                         49);

  int step = -1;
  unsigned procedureType = DefaultProcedureType(product);
  bool cycle = false;
  {
    const aif_ResultsLookup results(path);
    const ddb_StepContainer& steps = results.Ddb().ConstGetModel(kResultsModel).Steps();
    if (const ddb_Step* found = steps.Find(model.RestartStepName())) {
      step = found->stepId();
      procedureType = found->getKprProcedureType();
      if (procedureType == kprC_DirectCyclicStep::TypeId())
        cycle = nex_canDynamicCastRef<const kprC_DirectCyclicStep>(found->AnalysisStep(), kFile, 84)
                    .Cycle();
    }
  }
  return aif_Restart(step, model.RestartIncrement(), model.RestartEndStep(), procedureType, cycle);
}

}  // namespace

aif_JobKeywordsBuilder::aif_JobKeywordsBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo), job_(*static_cast<const aif_ModelInfo&>(modelInfo).Job()) {}

void aif_JobKeywordsBuilder::Build() {
  const auto& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  const aif_Model& model = info.ModelAdapter();
  AddModelDefinition(aif_Heading(*job_, model.Preamble()));
  AddModelDefinition(aif_Preprint(job_));
  if (job_->IsRestart()) AddModelDefinition(RestartRead(model, info.AnalysisProduct()));
}
