#include "aif/impl/core/aif_KestBuilder.h"

#include <array>
#include <new>

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_OutputFile.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/optimization/aif_CsDefBuilder.h"
#include "aif/impl/optimization/aif_DesignResponseBuilder.h"
#include "aif/impl/optimization/aif_GeometricRestrictionBuilder.h"
#include "aif/impl/optimization/aif_KestConstraintBuilder.h"
#include "aif/impl/optimization/aif_KestOptionBuilder.h"
#include "aif/impl/optimization/aif_ObjectiveFunctionBuilder.h"
#include "aif/impl/optimization/aif_StopConditionBuilder.h"
#include "aif/impl/optimization/aif_TaskBuilder.h"

namespace {

using Make = std::unique_ptr<akw_BuilderComponent> (*)(akw_ModelInfo&);

template <class Component>
std::unique_ptr<akw_BuilderComponent> MakeKestComponent(akw_ModelInfo& info) {
  return std::make_unique<Component>(info);
}

// The parameter-file components in build order. The coordinate-system
// builder runs before every block that names a system; the task builder's
// OPTIMIZE block is written before the stop blocks, so the task owns its
// name in the identifier registry.
constexpr std::array<Make, 8> kBuildOrder = {
    MakeKestComponent<aif_KestOptionBuilder>,       MakeKestComponent<aif_CsDefBuilder>,
    MakeKestComponent<aif_DesignResponseBuilder>,   MakeKestComponent<aif_ObjectiveFunctionBuilder>,
    MakeKestComponent<aif_KestConstraintBuilder>,   MakeKestComponent<aif_GeometricRestrictionBuilder>,
    MakeKestComponent<aif_TaskBuilder>,             MakeKestComponent<aif_StopConditionBuilder>,
};

// The sections of the file: a progress message and the list each component
// gives for it.
struct Section {
  const char* milestone;
  akw_KeywordList (akw_BuilderComponent::*list)() const;
};
constexpr Section kSections[] = {
    {"Writing option definition...", &akw_BuilderComponent::KestOptionDefinition},
    {"Writing single term definition...", &akw_BuilderComponent::SingleTermDefinition},
    {"Writing combined term definition...", &akw_BuilderComponent::CombinedTermDefinition},
    {"Writing design area definition...", &akw_BuilderComponent::DesignAreaDefinition},
    {"Writing model definition...", &akw_BuilderComponent::ModelDefinition},
};

}  // namespace

aif_KestBuilder::aif_KestBuilder(aif_ModelInfo& modelInfo) : modelInfo_(modelInfo) {}

aif_KestBuilder::~aif_KestBuilder() = default;

bool aif_KestBuilder::WriteInputFile(const cow_String& path, const cow_String& extraLine,
                                     bool /*unused*/, bool write) {
  aif_OutputFile file;
  if (!file.Open(path)) return false;
  if (write)
    aif_TranslateAllocationFailure([&] { BuildAndWrite(file.Stream(), extraLine); },
                                   "module/aif/impl/aif_KestBuilder", __LINE__);
  file.Close();
  return true;
}

void aif_KestBuilder::BuildAndWrite(utl_Stream& out, const cow_String& extraLine) {
  aif_SetNameRegistry::Instance().Clear();
  // Identifiers are owned per file: the coordinate-system builder already
  // records names during Build.
  modelInfo_.KestIdentifiers().Clear();
  components_.clear();
  for (Make make : kBuildOrder)
    components_.push_back(make(modelInfo_));
  for (const auto& component : components_)
    component->Build();

  for (const Section& section : kSections) {
    cmdC_WIP::Milestone(atr_Translate(section.milestone));
    for (const auto& component : components_)
      for (const akw_KeywordHandle& keyword : ((*component).*section.list)())
        keyword->Write(out);
  }
  if (!extraLine.IsEmpty()) out << extraLine << endl;
  out << "EXIT" << endl;
}
