#include "aif/impl/sections/aif_AddConnectorBehaviorKeywords.h"

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_Utils.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/sections/aif_ConnectorBehavior.h"
#include "aif/impl/sections/aif_ConnectorConstitutiveReference.h"
#include "aif/impl/sections/aif_ConnectorDamageInitiation.h"
#include "aif/impl/sections/aif_ConnectorDamping.h"
#include "aif/impl/sections/aif_ConnectorElasticity.h"
#include "aif/impl/sections/aif_ConnectorFailure.h"
#include "aif/impl/sections/aif_ConnectorFriction.h"
#include "aif/impl/sections/aif_ConnectorLock.h"
#include "aif/impl/sections/aif_ConnectorPlasticity.h"
#include "aif/impl/sections/aif_ConnectorStop.h"
#include "aif/impl/sections/aif_DerivedComponent.h"

namespace {

using Option = kbeC_ConnectorBehaviorOption;

// The source the type tests of the options name.
constexpr char kFile[] = "module/aif/impl/aif_Utils";

template <class T>
const T& As(const Option& option) {
  return nex_canDynamicCastRef<const T>(option, kFile, __LINE__);
}

// Files the keyword of one option (a type the writer does not know is left
// out) and enters the derived components it names.
void FileOption(akw_BuilderComponent& builder, const Option& option, int index,
                const cow_String& stem, aif_DerivedComponentMap& derived) {
  const unsigned type = option.DynTypeId();
  auto file = [&](const akw_Keyword& keyword) {
    akw_BuilderFiling::AddModelDefinition(builder, keyword);
  };
  if (type == kbeC_ConnectorElasticity::TypeId()) {
    file(aif_ConnectorElasticity(As<kbeC_ConnectorElasticity>(option)));
  } else if (type == kbeC_ConnectorDamping::TypeId()) {
    file(aif_ConnectorDamping(As<kbeC_ConnectorDamping>(option)));
  } else if (type == kbeC_ConnectorStop::TypeId()) {
    file(aif_ConnectorStop(As<kbeC_ConnectorStop>(option)));
  } else if (type == kbeC_ConnectorLock::TypeId()) {
    file(aif_ConnectorLock(As<kbeC_ConnectorLock>(option)));
  } else if (type == kbeC_ConnectorFailure::TypeId()) {
    file(aif_ConnectorFailure(As<kbeC_ConnectorFailure>(option)));
  } else if (type == kbeC_ConnectorFriction::TypeId()) {
    const aif_ConnectorFriction keyword(As<kbeC_ConnectorFriction>(option),
                                        &akw_BuilderFiling::ModelInfo(builder), index, stem);
    file(keyword);
    keyword.CollectDerivedComponents(derived);
  } else if (type == kbeC_ConnectorPlasticity::TypeId()) {
    const aif_ConnectorPlasticity keyword(As<kbeC_ConnectorPlasticity>(option), index, stem);
    file(keyword);
    keyword.CollectDerivedComponents(derived);
  } else if (type == kbeC_ConnectorDamage::TypeId()) {
    const aif_ConnectorDamageInitiation keyword(As<kbeC_ConnectorDamage>(option), index, stem);
    file(keyword);
    keyword.CollectDerivedComponents(derived);
  }
}

}  // namespace

void aif_AddConnectorBehaviorKeywords(akw_BuilderComponent& builder, const cow_String& behaviorName,
                                      const kseC_ConnectorSection& section) {
  if (kseC_Utils::IsConnectorSectionEmpty(section)) return;
  akw_BuilderFiling::AddModelDefinition(
      builder, aif_ConnectorBehavior(behaviorName, section.Regularize(), section.DefaultTolerance(),
                                     section.Tolerance(), section.Extrapolation() == 1,
                                     section.Integration() == 2));
  akw_BuilderFiling::AddModelDefinition(builder, aif_ConnectorConstitutiveReference(section));

  const cow_String stem = behaviorName + "-";
  aif_DerivedComponentMap derived;
  int index = 0;
  for (const kseC_ConnectorSection::OptionHandle& option : section.BehaviorOptions())
    FileOption(builder, *option, ++index, stem, derived);
  for (const auto& [name, component] : derived)
    akw_BuilderFiling::AddModelDefinition(builder, aif_DerivedComponent(name, *component));
}
