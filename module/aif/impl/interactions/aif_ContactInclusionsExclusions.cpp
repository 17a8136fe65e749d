#include "aif/impl/interactions/aif_ContactInclusionsExclusions.h"

#include <cstddef>
#include <utility>

#include "OdbAttrEO/kinC_GeneralContact.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_GeneralContactNames.h"

namespace {

constexpr char kInclusionsFile[] =
    "module/aif/impl/interactions/aif_ContactInclusionsExclusions.cpp";

// Whether entry `index` applies in the step: set there, and true.
bool ContactInclusionApplies(const cow_List<mdl_PropAttr<bool>>& flags, std::size_t index) {
  const mdl_PropAttr<bool>* flag = aif_ContactSetEntry(flags, index);
  return flag && flag->Value();
}

}  // namespace

aif_ContactInclusionsExclusions::aif_ContactInclusionsExclusions(
    cow_COW<kinC_Interaction> interaction, cow_String stepName, const aif_ModelInfo& info,
    bool isInclusion)
    : stepName_(std::move(stepName)),
      interaction_(std::move(interaction)),
      info_(&info),
      isInclusion_(isInclusion) {}

void aif_ContactInclusionsExclusions::Write(utl_Stream& stream) const {
  const kinC_ContactExp& contact =
      nex_canDynamicCastRef<const kinC_ContactExp>(*interaction_, kInclusionsFile, __LINE__);
  const char* keyword = isInclusion_ ? "*Contact Inclusions" : "*Contact Exclusions";
  if (isInclusion_ && contact.WholeModelContact(stepName_)) {
    stream << keyword << ", ALL EXTERIOR";
    stream.LineBreak();
    return;
  }

  const kinC_ContactExpState& state = contact.ConstGetState(stepName_);
  const cow_List<kinC_RegionPair>& pairs = isInclusion_ ? contact.inclusions : contact.exclusions;
  const cow_List<mdl_PropAttr<bool>>& flags = isInclusion_ ? state.inclusions : state.exclusions;
  const bool useText = dynamic_cast<const kinC_ContactStd*>(&contact) == nullptr;
  bool headed = false;
  for (std::size_t i = 0; i < pairs.Length(); ++i) {
    if (!ContactInclusionApplies(flags, i)) continue;
    if (!headed) {
      stream << keyword;
      stream.LineBreak();
      headed = true;
    }
    stream << aif_ContactRegionName(pairs[i].first, *info_) << " , "
           << aif_ContactSecondName(pairs[i], *info_, useText);
    stream.LineBreak();
  }
}
