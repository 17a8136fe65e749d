#include "aif/impl/core/aif_Model.h"

#include "QivBasicUtils/nex_Exception.h"

namespace {

constexpr char kAifModelFile[] = "module/aif/impl/aif_Model";
constexpr char kModelFile[] = "include/bas_NewModel";

}  // namespace

aif_Model::aif_Model(const bas_NewModel& model, const cow_String& name)
    : akw_Model(name), model_(&model) {
  cow_String initial, firstAnalysis, firstGeneral;
  const kprC_StepContainer& steps = Steps();
  int counted = 0;
  for (const cow_String& stepName : steps.Keys()) {
    const kprC_Step& step = steps.ConstGet(stepName);
    if (step.Suppressed()) continue;  // a suppressed step is not counted
    if (counted == 0) initial = stepName;
    if (counted == 1) firstAnalysis = stepName;
    if (counted >= 1 && firstGeneral.IsEmpty()) {
      const auto& analysis =
          nex_canDynamicCastRef<const kprC_AnalysisStep>(step, kAifModelFile, __LINE__);
      if (!analysis.Perturbation()) firstGeneral = stepName;
    }
    ++counted;
  }
  SetStepNames(initial, firstAnalysis, firstGeneral);
}

template <class Repository>
const Repository& aif_Model::Get(const char* command, int line) const {
  const mdl_Repository& repository = nex_canDynamicCastRef<const mdl_Repository>(
      model_->ConstGetExtension(command), kModelFile, line);
  return nex_canDynamicCastRef<const Repository>(repository, kAifModelFile, line);
}

#define AIF_REPOSITORY(Operation, Type, command)       \
  const Type& aif_Model::Operation() const {           \
    return Get<Type>(bas_NewModel::command, __LINE__); \
  }
AIF_REPOSITORY(AdaptiveMeshControls, mdl_MapString2ObjCow<kadC_AdptMeshCtrl>,
               adaptiveMeshControlCmd)
AIF_REPOSITORY(TimePoints, mdl_MapString2ObjCow<kprC_TimePoint>, timePointCmd)
AIF_REPOSITORY(Amplitudes, mdl_MapString2ObjCow<kamC_Amplitude>, amplitudeCmd)
AIF_REPOSITORY(BoundaryConditions, kprC_PropagatingContainer<kbcC_BC>, bcCmd)
AIF_REPOSITORY(Profiles, mdl_MapString2ObjCow<kbpC_BeamProfile>, profileCmd)
AIF_REPOSITORY(Constraints, mdl_MapString2ObjCow<kcoC_Constraint>, constraintCmd)
AIF_REPOSITORY(Filters, mdl_MapString2ObjCow<kflC_Filter>, filterCmd)
AIF_REPOSITORY(ContactControls, mdl_MapString2ObjCow<kinC_ContactControls>, contactControlCmd)
AIF_REPOSITORY(ContactInitializations, mdl_MapString2ObjCow<kinC_ContactInitialization>,
               contactInitializationCmd)
AIF_REPOSITORY(InteractionProperties, mdl_MapString2ObjCow<kinC_InteractionProperty>,
               interactionPropertyCmd)
AIF_REPOSITORY(Interactions, kprC_PropagatingContainer<kinC_Interaction>, interactionCmd)
AIF_REPOSITORY(Loads, kprC_PropagatingContainer<kloC_Load>, loadCmd)
AIF_REPOSITORY(AdaptiveMeshConstraints, kprC_PropagatingContainer<kprC_AdptMeshCons>,
               adaptiveMeshConstraintCmd)
AIF_REPOSITORY(Materials, mdl_MapString2ObjCow<kmaC_Material>, materialCmd)
AIF_REPOSITORY(FieldOutputRequests, kprC_PropagatingContainer<korC_FieldOutput>,
               fieldOutputRequestCmd)
AIF_REPOSITORY(HistoryOutputRequests, kprC_PropagatingContainer<korC_HistoryOutput>,
               historyOutputRequestCmd)
AIF_REPOSITORY(IntegratedOutputSections, mdl_MapString2ObjCow<korC_IntegratedOutputSection>,
               integratedOutputSectionCmd)
AIF_REPOSITORY(Fields, kprC_PropagatingContainer<kpfC_Field>, fieldCmd)
AIF_REPOSITORY(Steps, kprC_StepContainer, stepCmd)
AIF_REPOSITORY(Sections, mdl_MapString2ObjCow<kseC_Section>, sectionCmd)
AIF_REPOSITORY(SurfaceProperties, mdl_MapOfCowsRepository<kspC_SurfaceProperty>, surfacePropertyCmd)
AIF_REPOSITORY(RemeshingRules, mdl_MapString2ObjCow<karC_RemeshingRule>, remeshingRuleCmd)
AIF_REPOSITORY(AnalyticalFields, mdl_MapString2ObjCow<kfdC_AnalyticalField>, analyticalFieldCmd)
AIF_REPOSITORY(DiscreteFields, mdl_MapString2ObjCow<kfdC_DiscreteField>, discreteFieldsCmd)
AIF_REPOSITORY(Tasks, mdl_MapString2ObjCow<kopC_Task>, taskCmd)
AIF_REPOSITORY(Parts, mdl_IDRepository<ptoK_Part>, partCmd)
#undef AIF_REPOSITORY

const mdl_IDRepository<asoK_Assembly>& aif_Model::Assemblies() const {
  const mdl_Extension& extension = model_->ConstGetExtension(bas_NewModel::assyCmd);
  return nex_canDynamicCastRef<const mdl_IDRepository<asoK_Assembly>>(extension, kAifModelFile,
                                                                      __LINE__);
}
