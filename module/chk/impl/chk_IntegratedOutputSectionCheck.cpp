#include "chk/impl/chk_IntegratedOutputSectionCheck.h"

#include <string>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/korC_IntegratedOutputSection.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_Finding.h"
#include "chk/impl/chk_RootAssembly.h"

namespace {

const char* const kSectionCheckFile = "module/chk/impl/chk_IntegratedOutputSectionCheck.cpp";

}  // namespace

chk_IntegratedOutputSectionCheck::chk_IntegratedOutputSectionCheck(const bas_NewModel& model,
                                                                   const cow_String& modelName,
                                                                   const ajbC_Job& job)
    : kut_Check(model, modelName), jobType_(job.JobType()) {}

chk_IntegratedOutputSectionCheck::chk_IntegratedOutputSectionCheck(
    const chk_IntegratedOutputSectionCheck& other) = default;

chk_IntegratedOutputSectionCheck::~chk_IntegratedOutputSectionCheck() = default;

chk_IntegratedOutputSectionCheck* chk_IntegratedOutputSectionCheck::Clone() const {
  return new chk_IntegratedOutputSectionCheck(*this);
}

void chk_IntegratedOutputSectionCheck::Run() {
  // A model without an assembly is examined through an empty one.
  const asoK_Assembly* root = chk_RootAssembly(Model(), kSectionCheckFile, __LINE__);
  const asoK_Assembly assembly = root ? *root : asoK_Assembly();
  const bool upToDate = !assembly.IsOutOfDate();

  const auto& steps = nex_canDynamicCastRef<const kprC_StepContainer>(
      Model().ConstGetExtension(bas_NewModel::stepCmd), kSectionCheckFile, __LINE__);
  const cow_List<cow_String> stepNames = steps.UnsuppressedKeys();
  if (stepNames.Length() < 2) return;
  const auto& firstAnalysis = nex_canDynamicCastRef<const kprC_AnalysisStep>(
      steps.ConstGet(stepNames[1]), kSectionCheckFile, __LINE__);

  const auto& sections =
      nex_canDynamicCastRef<const mdl_MapString2ObjCow<korC_IntegratedOutputSection>>(
          Model().ConstGetExtension(bas_NewModel::integratedOutputSectionCmd), kSectionCheckFile,
          __LINE__);
  if (!firstAnalysis.Explicit()) {
    if (sections.Length() > 0)
      WarningList().Append(
          atr_Translate("All integrated output sections will be ignored in Morvex/Standard.\n"));
    return;
  }

  chk_Finding partly(
      "The following integrated output sections reference regions\nwhich contain geometric "
      "entities that are not\nassociated with a mesh:\n",
      chk_LineForm::kIndented);
  chk_Finding unmeshed(
      "The following integrated output sections reference regions\nwhich are not associated with "
      "a mesh:\n",
      chk_LineForm::kIndented);
  std::string pointMotion;
  for (const auto& [name, handle] : sections.ConstGetMap()) {
    const korC_IntegratedOutputSection& section = *handle;
    if (upToDate) {
      // The second region is tested only when the first has a mesh.
      bool sectionPartly = false;
      bool meshed = rgnK_Region(&assembly, ModelName(), section.SurfaceRegion())
                        .GCsAssociatedWithMesh(sectionPartly);
      if (meshed)
        meshed = rgnK_Region(&assembly, ModelName(), section.RefNodeRegion())
                     .GCsAssociatedWithMesh(sectionPartly);
      if (!meshed) (sectionPartly ? partly : unmeshed).Add(name);
    }
    if (jobType_ == ajbC_RESTART && section.PointMotionDefined())
      pointMotion += " " + name.Str() + "\n";
  }
  if (!pointMotion.empty())
    WarningList().Append(atr_TranslateWithArg(
        "Point motion is defined in the following integrated output\nsections but is ignored "
        "during restart analyses:\n%s",
        cow_String(pointMotion)));
  partly.AppendTo(ErrorList());
  unmeshed.AppendTo(ErrorList());
}
