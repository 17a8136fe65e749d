#include "ModelDatabase/bas_NewModel.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModelDatabase/bas_KeywordBlock.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"

// X(command, repository class) for every extension a new model holds.
#define BAS_EXTENSIONS(X)                                                           \
  X(adaptiveMeshControlCmd, mdl_MapString2ObjCow<kadC_AdptMeshCtrl>)                \
  X(timePointCmd, mdl_MapString2ObjCow<kprC_TimePoint>)                             \
  X(amplitudeCmd, mdl_MapString2ObjCow<kamC_Amplitude>)                             \
  X(bcCmd, kprC_PropagatingContainer<kbcC_BC>)                                      \
  X(profileCmd, mdl_MapString2ObjCow<kbpC_BeamProfile>)                             \
  X(constraintCmd, mdl_MapString2ObjCow<kcoC_Constraint>)                           \
  X(filterCmd, mdl_MapString2ObjCow<kflC_Filter>)                                   \
  X(contactControlCmd, mdl_MapString2ObjCow<kinC_ContactControls>)                  \
  X(contactInitializationCmd, mdl_MapString2ObjCow<kinC_ContactInitialization>)     \
  X(interactionPropertyCmd, mdl_MapString2ObjCow<kinC_InteractionProperty>)         \
  X(interactionCmd, kprC_PropagatingContainer<kinC_Interaction>)                    \
  X(loadCmd, kprC_PropagatingContainer<kloC_Load>)                                  \
  X(adaptiveMeshConstraintCmd, kprC_PropagatingContainer<kprC_AdptMeshCons>)        \
  X(materialCmd, mdl_MapString2ObjCow<kmaC_Material>)                               \
  X(fieldOutputRequestCmd, kprC_PropagatingContainer<korC_FieldOutput>)             \
  X(historyOutputRequestCmd, kprC_PropagatingContainer<korC_HistoryOutput>)         \
  X(integratedOutputSectionCmd, mdl_MapString2ObjCow<korC_IntegratedOutputSection>) \
  X(fieldCmd, kprC_PropagatingContainer<kpfC_Field>)                                \
  X(stepCmd, kprC_StepContainer)                                                    \
  X(sectionCmd, mdl_MapString2ObjCow<kseC_Section>)                                 \
  X(surfacePropertyCmd, mdl_MapOfCowsRepository<kspC_SurfaceProperty>)              \
  X(remeshingRuleCmd, mdl_MapString2ObjCow<karC_RemeshingRule>)                     \
  X(analyticalFieldCmd, mdl_MapString2ObjCow<kfdC_AnalyticalField>)                 \
  X(discreteFieldsCmd, mdl_MapString2ObjCow<kfdC_DiscreteField>)                    \
  X(taskCmd, mdl_MapString2ObjCow<kopC_Task>)                                       \
  X(partCmd, mdl_IDRepository<ptoK_Part>)                                           \
  X(assyCmd, mdl_IDRepository<asoK_Assembly>)                                       \
  X(keywordBlockCmd, bas_KeywordBlock)

#define BAS_DEFINE_COMMAND(command, type) const char* const bas_NewModel::command = #command;
BAS_EXTENSIONS(BAS_DEFINE_COMMAND)
#undef BAS_DEFINE_COMMAND

bas_NewModel::bas_NewModel(cow_String name) : name_(std::move(name)) {
#define BAS_MAKE_EXTENSION(command, type) extensions_.Set(command, std::make_shared<type>());
  BAS_EXTENSIONS(BAS_MAKE_EXTENSION)
#undef BAS_MAKE_EXTENSION
}

const mdl_Extension& bas_NewModel::ConstGetExtension(const cow_String& command) const {
  return *extensions_.Get(command);
}

const mdl_Repository& bas_NewModel::StepRepository() const {
  return nex_canDynamicCastRef<const mdl_Repository>(ConstGetExtension(stepCmd),
                                                     "include/bas_NewModel", __LINE__);
}

mdl_Extension& bas_NewModel::MutableExtension(const cow_String& command) {
  return *extensions_.Get(command);
}

void bas_NewModel::SetExtension(const cow_String& command,
                                std::shared_ptr<mdl_Extension> extension) {
  extensions_.Set(command, std::move(extension));
}
