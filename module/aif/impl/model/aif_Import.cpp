#include "aif/impl/model/aif_Import.h"

#include <string>

#include "BasCoreUtils/VZLBasUtlFilePath.h"
#include "BasShared/atr_String.h"
#include "MSVCR90/rt_Runtime.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbCore/ddb_DdbContainer.h"
#include "OdbCore/ddr_Root.h"
#include "OdbCore/rds_RfmFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ResultsLookup.h"

namespace {

constexpr char kImportFile[] = "module/aif/impl/aif_Import";
constexpr char kResultsModel[] = "Default Model";
// The procedure type reported for a step the results do not name: never the
// direct cyclic one, so the increment counts increments.
constexpr unsigned kUnknownProcedure = 0x23c002d;

// The `number`-th analysis step (from 1) of `model`, in run order; null when
// the model has fewer, or `number` is below 1.
const ddb_Step* AnalysisStep(const ddb_Model& model, int number) {
  int count = 0;
  for (const cow_String& name : model.StepOrder()) {
    const ddb_Step& step = model.Steps().Get(name);
    if (step.isAnalisysStep() && ++count == number) return &step;
  }
  return nullptr;
}

[[noreturn]] void ThrowMissingStep(int step, const cow_String& path) {
  std::string text = atr_Translate("Missing step %s in .odb file %s").Str();
  for (const std::string& arg : {std::to_string(step), path.Str()}) {
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, arg);
  }
  nex_Exception::Throw(aif_Exception(cow_String(std::move(text))), kImportFile, __LINE__);
}

// The option that names the increment of `step` (-1: unset) in the results of
// job `jobName`, or null when the results' product takes no increment.
const char* IncrementOption(const cow_String& jobName, int step) {
  const cow_String path =
      VZLBasUtlFilePath(jobName + ".odb", cow_String()).Portable().AbsolutePathName();
  if (rt_access(path.CStr(), 0) != 0)
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg("Missing .odb file %s", path)),
                         kImportFile, __LINE__);

  const aif_ResultsLookup results(path);
  const ddb_Model& model = results.Ddb().ConstGetModel(kResultsModel);
  const ddb_Step* found = step == -1 ? nullptr : AnalysisStep(model, step);
  if (step != -1 && !found) ThrowMissingStep(step, path);
  switch (model.AnalysisProduct()) {
    case 0: {
      const unsigned type = found ? found->getKprProcedureType() : kUnknownProcedure;
      return type == kprC_DirectCyclicStep::TypeId() ? ", iteration=" : ", increment=";
    }
    case 1:
      return ", interval=";
    default:
      return nullptr;
  }
}

}  // namespace

aif_Import::aif_Import(const akw_Model& model, const kpfC_Field& field)
    : field_(field), model_(model) {}

aif_Import::~aif_Import() = default;

void aif_Import::Write(utl_Stream& stream) const {
  const auto& field =
      nex_canDynamicCastRef<const kpfC_InitialState>(*field_, kImportFile, __LINE__);
  const kpfC_InitialStateState& state = field.ConstGetState(model_.InitialStepName());
  const int step = state.StepNumber();
  const int increment = state.IncrementNumber();
  // The results are read before anything is written, so a failure leaves no
  // partial line.
  const char* incrementOption = increment == -1 ? nullptr : IncrementOption(state.JobName(), step);

  stream << "*Import";
  if (step != -1) stream << ", step=" << step;
  if (incrementOption) stream << incrementOption << increment;
  stream << ", state=yes, update=" << (field.Update() ? "yes" : "no");
  stream.LineBreak();
}
