#include "aif/impl/interactions/aif_ContactFormulationAssignments.h"

#include <cstddef>
#include <utility>

#include "OdbAttrEO/kinC_GeneralContact.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_GeneralContactNames.h"

namespace {

constexpr char kFormulationAssignmentsFile[] =
    "module/aif/impl/interactions/aif_ContactFormulationAssignments.cpp";

}  // namespace

aif_ContactFormulationAssignments::aif_ContactFormulationAssignments(
    cow_COW<kinC_Interaction> interaction, cow_String stepName, const aif_ModelInfo& info)
    : stepName_(std::move(stepName)), interaction_(std::move(interaction)), info_(&info) {}

void aif_ContactFormulationAssignments::Write(utl_Stream& stream) const {
  const kinC_ContactExp& contact = nex_canDynamicCastRef<const kinC_ContactExp>(
      *interaction_, kFormulationAssignmentsFile, __LINE__);
  const cow_List<kinC_RegionPair>& pairs = contact.masterSlavePairs;
  const cow_List<mdl_PropAttr<kinC_MasterSlave>>& roles = contact.ConstGetState(stepName_).roles;
  if (!aif_ContactAnySet(roles, pairs.Length())) return;

  const bool standard = dynamic_cast<const kinC_ContactStd*>(&contact) != nullptr;
  stream << (standard ? "*Contact Formulation, type=MASTER SLAVE ROLES"
                      : "*Contact Formulation, type=PURE MASTER-SLAVE");
  stream.LineBreak();
  for (std::size_t i = 0; i < pairs.Length(); ++i) {
    const mdl_PropAttr<kinC_MasterSlave>* role = aif_ContactSetEntry(roles, i);
    if (!role) continue;
    stream << aif_ContactRegionName(pairs[i].first, *info_) << " , "
           << aif_ContactRegionName(pairs[i].second, *info_) << " , "
           << omu_PrimEnum<kinC_MasterSlave::MasterSlaveEnm>(role->Value().role).GetString();
    stream.LineBreak();
  }
}
