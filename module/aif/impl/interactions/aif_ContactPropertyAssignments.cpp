#include "aif/impl/interactions/aif_ContactPropertyAssignments.h"

#include <cstddef>
#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/interactions/aif_GeneralContactNames.h"

namespace {

constexpr char kPropertyAssignmentsFile[] =
    "module/aif/impl/interactions/aif_ContactPropertyAssignments.cpp";

}  // namespace

aif_ContactPropertyAssignments::aif_ContactPropertyAssignments(
    cow_COW<kinC_Interaction> interaction, cow_String name, cow_String stepName,
    const aif_ModelInfo& info, bool generatedPropertyNames)
    : stepName_(std::move(stepName)),
      interaction_(std::move(interaction)),
      info_(&info),
      name_(std::move(name)),
      generatedPropertyNames_(generatedPropertyNames) {}

void aif_ContactPropertyAssignments::Write(utl_Stream& stream) const {
  const kinC_ContactExp& contact = nex_canDynamicCastRef<const kinC_ContactExp>(
      *interaction_, kPropertyAssignmentsFile, __LINE__);
  const cow_List<kinC_RegionPair>& pairs = contact.propertyAssignments;
  const cow_List<mdl_PropAttr<cow_String>>& properties =
      contact.ConstGetState(stepName_).properties;
  if (!aif_ContactAnySet(properties, pairs.Length())) return;

  stream << "*Contact Property Assignment";
  stream.LineBreak();
  for (std::size_t i = 0; i < pairs.Length(); ++i) {
    const mdl_PropAttr<cow_String>* property = aif_ContactSetEntry(properties, i);
    if (!property) continue;
    // A generated name is composed whole and then made printable once, as
    // the property's own definition names it.
    const cow_String propertyName =
        generatedPropertyNames_ ? "_" + name_ + "-Prop" + aif_NumberText(static_cast<int>(i + 1))
                                : property->Value();
    stream << aif_ContactRegionName(pairs[i].first, *info_) << " , "
           << aif_ContactSecondName(pairs[i], *info_, true) << " , "
           << akw_MorvexName(propertyName, false);
    stream.LineBreak();
  }
}
