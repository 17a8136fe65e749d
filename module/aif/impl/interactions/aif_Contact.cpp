#include "aif/impl/interactions/aif_Contact.h"

#include <utility>

#include "OdbAttrEO/kinC_GeneralContact.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_ContactFormulationAssignments.h"
#include "aif/impl/interactions/aif_ContactInclusionsExclusions.h"
#include "aif/impl/interactions/aif_ContactPropertyAssignments.h"
#include "aif/impl/interactions/aif_SurfacePropertyAssignments.h"

namespace {

// The propagation status of an interaction inactive in a step.
constexpr int kContactInactiveStatus = 4;

}  // namespace

aif_Contact::aif_Contact(cow_String name, const kinC_ContactExp& interaction, cow_String stepName,
                         const aif_ModelInfo& info)
    : name_(std::move(name)),
      stepName_(std::move(stepName)),
      interaction_(interaction),
      info_(&info) {}

void aif_Contact::Write(utl_Stream& stream) const {
  const auto& contact = static_cast<const kinC_ContactExp&>(*interaction_);
  const bool inactive = contact.GetPropStatus(stepName_) == kContactInactiveStatus;
  // An active contact's state is read before the first line, so that a
  // step without one leaves nothing written.
  if (!inactive) static_cast<void>(contact.ConstGetState(stepName_));
  stream << "*Contact, op=NEW";
  stream.LineBreak();
  if (inactive) return;

  aif_ContactInclusionsExclusions(interaction_, stepName_, *info_, true).Write(stream);
  aif_ContactInclusionsExclusions(interaction_, stepName_, *info_, false).Write(stream);
  aif_ContactPropertyAssignments(interaction_, name_, stepName_, *info_, false).Write(stream);
  aif_SurfacePropertyAssignments(interaction_, stepName_, *info_).Write(stream);
  aif_ContactFormulationAssignments(interaction_, stepName_, *info_).Write(stream);
}
