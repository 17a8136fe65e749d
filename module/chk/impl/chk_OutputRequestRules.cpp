#include "chk/impl/chk_OutputRequestRules.h"
#include "chk/impl/chk_RootAssembly.h"

#include "QivBasicUtils/nex_Exception.h"

namespace {

const char* const kFieldNumberIntervalHeader =
    "Field output requests cannot use the number interval parameter \nin a step with fixed time "
    "incrementation or steady state response.\n\nModify the following output requests or the "
    "step parameters:\n";
const char* const kHistoryNumberIntervalHeader =
    "History output requests cannot use the number interval parameter \nin a step with fixed "
    "time incrementation or steady state response.\n\nModify the following output requests or "
    "the step parameters:\n";
const char* const kFieldTimeMarksHeader =
    "Field output requests cannot use the time marks parameter \nin a step with fixed time "
    "incrementation or steady state response.\n\nTime marks will be ignored for the following "
    "cases: \n";
const char* const kHistoryTimeMarksHeader =
    "History output requests cannot use the time marks parameter \nin a step with fixed time "
    "incrementation or steady state response.\n\nTime marks will be ignored for the following "
    "cases: \n";
const char* const kFieldFastenerHeader =
    "The following field output requests are applied to fasteners\nwhich do not exist or use the "
    "Rigid MPC setting:\n";
const char* const kHistoryFastenerHeader =
    "The following history output requests are applied to fasteners\nwhich do not exist or use "
    "the Rigid MPC setting:\n";

}  // namespace

chk_OutputRequestRules::chk_OutputRequestRules(const bas_NewModel& model, const char* file,
                                               bool field)
    : file_(file),
      numberInterval_(field ? kFieldNumberIntervalHeader : kHistoryNumberIntervalHeader,
                      chk_LineForm::kInStep),
      timeMarks_(field ? kFieldTimeMarksHeader : kHistoryTimeMarksHeader, chk_LineForm::kInStep),
      fasteners_(field ? kFieldFastenerHeader : kHistoryFastenerHeader,
                 chk_LineForm::kIndentedBlank) {
  const asoK_Assembly* root = chk_RootAssembly(model, file_, __LINE__);
  const bool found = root != nullptr;
  if (found) assembly_ = *root;
  if (found && assembly_.EngineeringFeaturesReady())
    features_ = &nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
        assembly_.ConstGetEngineeringFeatures(), file_, __LINE__);
  steps_ = &nex_canDynamicCastRef<const kprC_StepContainer>(
      model.ConstGetExtension(bas_NewModel::stepCmd), file_, __LINE__);
}

void chk_OutputRequestRules::TestFastener(const cow_String& request, const cow_String& fastener) {
  bool listed = !AssemblyValid() || !features_->Fasteners().Contains(fastener);
  if (!listed) {
    const kefC_Fastener& object = features_->Fasteners().ConstGet(fastener);
    if (object.DynTypeId() == kefC_PointFastener::TypeId()) {
      const auto& point = nex_canDynamicCastRef<const kefC_PointFastener>(object, file_, __LINE__);
      listed = point.Suppressed() || point.rigidMpc;
    }
  }
  if (listed) fasteners_.Add(request);
}

void chk_OutputRequestRules::TestState(const cow_String& request, const cow_String& stepName,
                                       const kprC_Step& step, const korC_OutputState& state) {
  const korC_TypeEnm frequency = state.FrequencyKind();
  if (frequency == korC_NUMBER_INTERVAL && !kprC_NumberIntervalConsistency(step))
    numberInterval_.Add(request, stepName);
  const bool timed = frequency == korC_NUMBER_INTERVAL || frequency == korC_TIME_INTERVAL ||
                     frequency == korC_TIME_POINTS;
  if (timed && state.TimeMarks() && !kprC_TimeMarksConsistency(step, true))
    timeMarks_.Add(request, stepName);
}

void chk_OutputRequestRules::AppendTo(cow_List<atr_String>& errors,
                                      cow_List<atr_String>& warnings) const {
  numberInterval_.AppendTo(errors);
  timeMarks_.AppendTo(warnings);
  fasteners_.AppendTo(errors);
}
