#include "aif/impl/core/aif_Builder.h"

#include <chrono>
#include <new>

#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/conditions/aif_AdptMeshConsBuilder.h"
#include "aif/impl/conditions/aif_AmplitudeBuilder.h"
#include "aif/impl/conditions/aif_BoundaryConditionBuilder.h"
#include "aif/impl/conditions/aif_FieldBuilder.h"
#include "aif/impl/conditions/aif_InitialConditionBuilder.h"
#include "aif/impl/constraints/aif_AdaptiveMeshBuilder.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/impl/constraints/aif_FastenerBuilder.h"
#include "aif/impl/constraints/aif_ConstraintBuilder.h"
#include "aif/impl/constraints/aif_CrackBuilder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_FinalBuilder.h"
#include "aif/impl/core/aif_JobKeywordsBuilder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_OutputFile.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif/impl/loads/aif_LoadBuilder.h"
#include "aif/impl/materials/aif_MaterialBuilder.h"
#include "aif/impl/model/aif_InstanceBuilder.h"
#include "aif/impl/model/aif_ModelAttributesBuilder.h"
#include "aif/impl/model/aif_PartBuilder.h"
#include "aif/impl/model/aif_RegionBuilder.h"
#include "aif/impl/model/aif_TransformBuilder.h"
#include "aif/impl/sections/aif_DiscreteFieldsBuilder.h"
#include "aif/impl/sections/aif_InertiaBuilder.h"
#include "aif/impl/sections/aif_PartAttributesBuilder.h"
#include "aif/impl/sections/aif_SpringBuilder.h"
#include "aif/impl/sections/aif_SubstructureBuilder.h"
#include "aif/impl/steps/aif_FilterBuilder.h"
#include "aif/impl/steps/aif_IntegratedOutputSectionBuilder.h"
#include "aif/impl/steps/aif_OutputRequestBuilder.h"
#include "aif/impl/steps/aif_StepBuilder.h"
#include "aif/impl/steps/aif_TimePointsBuilder.h"

namespace {

constexpr char kBuilderFile[] = "module/aif/impl/aif_Builder";

using Make = std::unique_ptr<akw_BuilderComponent> (*)(akw_ModelInfo&);
template <class Component>
std::unique_ptr<akw_BuilderComponent> MakeComponent(akw_ModelInfo& info) {
  return std::make_unique<Component>(info);
}

// The components, in member order (the order of aif_Builder::Component).
constexpr Make kMembers[aif_Builder::kComponentCount] = {
    MakeComponent<aif_AdptMeshConsBuilder>,
    MakeComponent<aif_DiscreteFieldsBuilder>,
    MakeComponent<aif_FilterBuilder>,
    MakeComponent<aif_InstanceBuilder>,
    MakeComponent<aif_IntegratedOutputSectionBuilder>,
    MakeComponent<aif_JobKeywordsBuilder>,
    MakeComponent<aif_LoadBuilder>,
    MakeComponent<aif_MaterialBuilder>,
    MakeComponent<aif_ModelAttributesBuilder>,
    MakeComponent<aif_OutputRequestBuilder>,
    MakeComponent<aif_PartBuilder>,
    MakeComponent<aif_PartAttributesBuilder>,
    MakeComponent<aif_RegionBuilder>,
    MakeComponent<aif_StepBuilder>,
    MakeComponent<aif_SubstructureBuilder>,
    MakeComponent<aif_TimePointsBuilder>,
    MakeComponent<aif_InertiaBuilder>,
    MakeComponent<aif_SpringBuilder>,
    MakeComponent<aif_AmplitudeBuilder>,
    MakeComponent<aif_BoundaryConditionBuilder>,
    MakeComponent<aif_InitialConditionBuilder>,
    MakeComponent<aif_FieldBuilder>,
    MakeComponent<aif_InteractionBuilder>,
    MakeComponent<aif_AdaptiveMeshBuilder>,
    MakeComponent<aif_FastenerBuilder>,
    MakeComponent<aif_ConstraintBuilder>,
    MakeComponent<aif_TransformBuilder>,
    MakeComponent<aif_CrackBuilder>,
    MakeComponent<aif_AsmbldFastenerBuilder>,
    MakeComponent<aif_FinalBuilder>,
};

// The order in which the components build with the model flag: every domain
// builder, then the fastener builders (after the instance builder's
// connector sections are known), then the final builder.
constexpr aif_Builder::Component kBuildOrder[] = {
    aif_Builder::kPart,
    aif_Builder::kInstance,
    aif_Builder::kStep,
    aif_Builder::kRegion,
    aif_Builder::kSubstructure,
    aif_Builder::kPartAttributes,
    aif_Builder::kAmplitude,
    aif_Builder::kFilter,
    aif_Builder::kMaterial,
    aif_Builder::kTransform,
    aif_Builder::kConstraint,
    aif_Builder::kInitialCondition,
    aif_Builder::kBoundaryCondition,
    aif_Builder::kAdaptiveMesh,
    aif_Builder::kAdptMeshCons,
    aif_Builder::kIntegratedOutputSection,
    aif_Builder::kLoad,
    aif_Builder::kField,
    aif_Builder::kInteraction,
    aif_Builder::kOutputRequest,
    aif_Builder::kModelAttributes,
    aif_Builder::kInertia,
    aif_Builder::kCrack,
    aif_Builder::kSpring,
    aif_Builder::kTimePoints,
    aif_Builder::kDiscreteFields,
    aif_Builder::kAsmbldFastener,
    aif_Builder::kFastener,
    aif_Builder::kFinal,
};

// The order in which the components' lists are written, section by section.
constexpr aif_Builder::Component kWriteOrder[] = {
    aif_Builder::kPart,
    aif_Builder::kInstance,
    aif_Builder::kStep,
    aif_Builder::kRegion,
    aif_Builder::kSubstructure,
    aif_Builder::kPartAttributes,
    aif_Builder::kAmplitude,
    aif_Builder::kFilter,
    aif_Builder::kMaterial,
    aif_Builder::kTransform,
    aif_Builder::kConstraint,
    aif_Builder::kInertia,
    aif_Builder::kInitialCondition,
    aif_Builder::kBoundaryCondition,
    aif_Builder::kAdaptiveMesh,
    aif_Builder::kAdptMeshCons,
    aif_Builder::kIntegratedOutputSection,
    aif_Builder::kLoad,
    aif_Builder::kField,
    aif_Builder::kInteraction,
    aif_Builder::kOutputRequest,
    aif_Builder::kCrack,
    aif_Builder::kSpring,
    aif_Builder::kTimePoints,
    aif_Builder::kModelAttributes,
    aif_Builder::kFastener,
    aif_Builder::kAsmbldFastener,
    aif_Builder::kDiscreteFields,
    aif_Builder::kFinal,
};

// The components whose model definitions a restart job writes before its
// history: amplitudes, filters, the sets and surfaces the restarted job lacks
// and the element sets of the loads' faces. The assembled-fastener builder is
// not among them: the restarted analysis holds its copies already.
constexpr aif_Builder::Component kRestartDefinitions[] = {
    aif_Builder::kAmplitude,
    aif_Builder::kFilter,
    aif_Builder::kRegion,
    aif_Builder::kLoad,
};

}  // namespace

aif_Builder::aif_Builder(aif_ModelInfo& modelInfo)
    : modelInfo_(modelInfo),
      partBased_(modelInfo.IsPartBased()),
      restart_(modelInfo.IsRestart()),
      model_(modelInfo.ModelAdapter()) {}

aif_Builder::~aif_Builder() = default;

bool aif_Builder::WriteInputFile(const cow_String& path, bool jobKeywords, bool model) {
  aif_OutputFile file;
  if (!file.Open(path)) return false;
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Clock::time_point built;
  aif_TranslateAllocationFailure(
      [&] {
        Build(jobKeywords, model);
        built = Clock::now();
        Write(file.Stream(), jobKeywords, model);
      },
      kBuilderFile, 218);
  file.Close();
  buildSeconds_ = std::chrono::duration<double>(built - start).count();
  writeSeconds_ = std::chrono::duration<double>(Clock::now() - built).count();
  return true;
}

void aif_Builder::Build(bool jobKeywords, bool model) {
  // Every call starts from new components and the context's first state, so
  // that writing twice gives the same file twice.
  if (writes_++ > 0) modelInfo_.ResetForWrite();
  components_.clear();
  for (Make make : kMembers)
    components_.push_back(make(modelInfo_));
  extraParts_.Clear();
  extraInstances_.Clear();

  if (jobKeywords) Member(kJobKeywords)->Build();
  if (!model) return;
  aif_SetNameRegistry::Instance().Clear();
  for (Component component : kBuildOrder) {
    // Each connector section's behaviours are filed once per file: the
    // assembled fasteners skip the sections the instance builder filed, the
    // fastener builder those of both.
    const auto& instanceSections =
        static_cast<const aif_InstanceBuilder&>(*Member(kInstance)).ConnectorSectionUses();
    auto& assembled = static_cast<aif_AsmbldFastenerBuilder&>(*Member(kAsmbldFastener));
    if (component == kFastener) {
      cow_Btree<cow_String, int> filed = instanceSections;
      for (const cow_String& section : assembled.ConnectorSections())
        filed.Set(section, 1);
      static_cast<aif_FastenerBuilder&>(*Member(kFastener)).SetConnectorSections(filed);
    }
    // The assembled fasteners' pre-pass names the extra parts and instances.
    if (component == kAsmbldFastener) {
      assembled.SetConnectorSections(instanceSections);
      assembled.BuildAssembledFasteners(extraParts_, extraInstances_);
      continue;
    }
    Member(component)->Build();
  }
}

void aif_Builder::Write(utl_Stream& out, bool jobKeywords, bool model) {
  if (jobKeywords) WriteKeywordList(out, Member(kJobKeywords)->ModelDefinition());
  if (!model) return;

  ComponentList components;
  for (Component component : kWriteOrder)
    components.Append(cow_ArrayCOW<akw_BuilderComponent>(*Member(component)));

  if (restart_) {
    for (Component component : kRestartDefinitions)
      WriteKeywordList(out, Member(component)->ModelDefinition());
    WriteHistory(out, components);
    return;
  }
  WritePartsSection(out, components);
  WriteAssemblySection(out, components);
  WriteAssemblyKeywords(out, components);
  WriteModelKeywords(out, components);
  WriteHistory(out, components);
}

void aif_Builder::WriteKeywordList(utl_Stream& out, const akw_KeywordList& keywords) {
  for (const akw_KeywordHandle& keyword : keywords)
    keyword->Write(out);
}

namespace {

void Banner(utl_Stream& out, const char* title) {
  out << "**" << endl << "** " << title << endl << "**" << endl;
}

}  // namespace

void aif_Builder::WritePartsSection(utl_Stream& out, const ComponentList& components) {
  if (partBased_) Banner(out, "PARTS");
  // The model's parts that the part builder handled, in repository order,
  // then the extra parts.
  const cow_List<cow_String>& handled =
      static_cast<const aif_PartBuilder&>(*Member(kPart)).PartsToWrite();
  for (const cow_String& part : model_.Parts().Keys()) {
    if (handled.IndexOf(part) < 0) continue;
    for (const auto& component : components)
      WriteKeywordList(out, component->PartDefinition(part));
  }
  for (const cow_String& part : extraParts_)
    for (const auto& component : components)
      WriteKeywordList(out, component->PartDefinition(part));
}

void aif_Builder::WriteAssemblySection(utl_Stream& out, const ComponentList& components) {
  const mdl_IDRepository<asoK_Assembly>& assemblies = model_.Assemblies();
  if (!assemblies.Contains("Assembly")) return;
  if (partBased_) {
    Banner(out, "ASSEMBLY");
    out << "*Assembly, name="
        << "Assembly" << endl;
  }
  const ftr_FeatureList& features = assemblies.ConstGet("Assembly").ConstGetFeatureList();
  for (const cow_String& instance :
       ftr_Accessor<asoF_PartInstance>::GetActiveNamesForSimulation(features)) {
    cmdC_WIP::Milestone(atr_TranslateWithArg("Writing keywords for part instance %s...", instance));
    for (const auto& component : components)
      WriteKeywordList(out, component->InstanceDefinition(instance));
  }
  for (const cow_String& instance : extraInstances_)
    for (const auto& component : components)
      WriteKeywordList(out, component->InstanceDefinition(instance));
}

void aif_Builder::WriteAssemblyKeywords(utl_Stream& out, const ComponentList& components) {
  cmdC_WIP::Milestone(atr_Translate("Writing assembly related keywords..."));
  for (const auto& component : components)
    WriteKeywordList(out, component->AssemblyDefinition());
}

void aif_Builder::WriteModelKeywords(utl_Stream& out, const ComponentList& components) {
  cmdC_WIP::Milestone(atr_Translate("Writing model definition..."));
  for (const auto& component : components)
    WriteKeywordList(out, component->ModelDefinition());
}

void aif_Builder::WriteHistory(utl_Stream& out, const ComponentList& components) {
  const kprC_StepContainer& steps = model_.Steps();
  const cow_List<cow_String>& names = steps.Keys();
  std::size_t first = 0;
  if (restart_) {
    // The history goes on after the restart step, which must be a step of
    // the model that is not suppressed.
    const cow_String restartStep = model_.RestartStepName();
    while (first < names.Length() &&
           !(names[first] == restartStep && !steps.ConstGet(names[first]).Suppressed()))
      ++first;
    if (first == names.Length())
      nex_Exception::Throw(
          aif_Exception(atr_TranslateWithArg(
              "The restart step %s is not an active step of the model.", restartStep)),
          kBuilderFile, __LINE__);
    ++first;
  }
  for (std::size_t i = first; i < names.Length(); ++i) {
    const cow_String& name = names[i];
    const kprC_Step& step = steps.ConstGet(name);
    if (step.Suppressed()) continue;
    cmdC_WIP::Milestone(atr_TranslateWithArg("Writing keywords for step %s...", name));
    for (const auto& component : components)
      WriteKeywordList(out, component->StepDefinition(name, cow_String()));
    if (!cls_Registry::IsDerived(step.DynTypeId(), kprC_AnalysisStep::TypeId())) continue;
    const auto& analysis =
        nex_canDynamicCastRef<const kprC_AnalysisStep>(step, kBuilderFile, __LINE__);
    for (const auto& [loadCase, object] : analysis.LoadCases().ConstGetMap()) {
      if (loadCase.IsEmpty() || object->Suppressed()) continue;
      for (const auto& component : components)
        WriteKeywordList(out, component->StepDefinition(name, loadCase));
    }
  }
}
