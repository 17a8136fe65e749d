#include "chk/impl/chk_HistoryOutputCheck.h"

#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/korC_Output.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_Finding.h"
#include "chk/impl/chk_OutputRequestRules.h"

namespace {

const char* const kHistoryOutputCheckFile = "module/chk/impl/chk_HistoryOutputCheck.cpp";

// Whether a request's stress initialization step `initialization` is one
// the solver can subtract: an unsuppressed step that comes no later than the
// request's creation step `creation`. Positions count every step, suppressed
// ones included, from the initial step.
bool HistoryCheckInitializationStepValid(const kprC_StepContainer& steps,
                                         const cow_String& initialization,
                                         const cow_String& creation) {
  long long initializationAt = -1;
  long long creationAt = -1;
  const cow_List<cow_String>& names = steps.Keys();
  for (std::size_t i = 0; i < names.Length(); ++i) {
    if (steps.ConstGet(names[i]).Suppressed()) continue;
    if (names[i] == initialization) initializationAt = static_cast<long long>(i);
    if (names[i] == creation) creationAt = static_cast<long long>(i);
  }
  return initializationAt >= 0 && creationAt >= initializationAt;
}

}  // namespace

chk_HistoryOutputCheck::chk_HistoryOutputCheck(const bas_NewModel& model,
                                               const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_HistoryOutputCheck::chk_HistoryOutputCheck(const chk_HistoryOutputCheck& other) = default;

chk_HistoryOutputCheck::~chk_HistoryOutputCheck() = default;

chk_HistoryOutputCheck* chk_HistoryOutputCheck::Clone() const {
  return new chk_HistoryOutputCheck(*this);
}

void chk_HistoryOutputCheck::Run() {
  chk_OutputRequestRules rules(Model(), kHistoryOutputCheckFile, false);
  chk_Finding growing(
      "The following history output requests are applied to XFEM cracks\nwhich are are not "
      "stationary XFEM cracks:\n",
      chk_LineForm::kIndentedBlank);
  chk_Finding notSolid(
      "The following history output requests are applied to XFEM cracks\nwith crack domains "
      "that are not 3D solids:\n",
      chk_LineForm::kIndentedBlank);
  chk_Finding initialization(
      "The following history output requests are invalid because\nof the specified stress "
      "initialization\nstep, which either does not exist or is suppressed\nor it comes after the "
      "step in which the output request is defined\n",
      chk_LineForm::kIndentedBlank);

  // A copy of the repository: the requests stay as they were read.
  const kprC_PropagatingContainer<korC_HistoryOutput> requests =
      nex_canDynamicCastRef<const kprC_PropagatingContainer<korC_HistoryOutput>>(
          Model().ConstGetExtension(bas_NewModel::historyOutputRequestCmd), kHistoryOutputCheckFile,
          __LINE__);
  for (const cow_String& name : requests.Keys()) {
    const korC_HistoryOutput& request = requests.ConstGet(name);
    if (request.Suppressed()) continue;
    if (request.Domain() == korC_FASTENER) rules.TestFastener(name, request.FastenerName());
    if (request.Domain() == korC_CRACK) {
      if (rules.AssemblyValid() && rules.Features().Cracks().Contains(request.CrackName())) {
        const kern_Object& object = rules.Features().Cracks().ConstGet(request.CrackName());
        if (object.DynTypeId() == kefC_XFEMCrack::TypeId()) {
          const auto& crack = nex_canDynamicCastRef<const kefC_XFEMCrack>(
              object, kHistoryOutputCheckFile, __LINE__);
          if (!crack.IsSuppressed()) {
            bool solid = true;
            const rgnK_Region domain(&rules.Assembly(), ModelName(), crack.CrackDomain());
            for (const rgnC_GeomComponent& component : domain.GeomComponents())
              if (component.kind != rgnC_GeomComponent::kCell) solid = false;
            if (!solid)
              notSolid.Add(name);
            else if (crack.AllowGrowth())
              growing.Add(name);
          }
        }
      }
      const cow_String& stressStep = request.ResidualStressStepName();
      if (!stressStep.IsEmpty() &&
          !HistoryCheckInitializationStepValid(rules.Steps(), stressStep, request.CreateStepName()))
        initialization.Add(name);
    }
    rules.TestSteps(name, request);
  }
  rules.AppendTo(ErrorList(), WarningList());
  growing.AppendTo(ErrorList());
  notSolid.AppendTo(ErrorList());
  initialization.AppendTo(ErrorList());
}
