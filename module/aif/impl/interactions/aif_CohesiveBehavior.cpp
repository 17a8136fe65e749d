#include "aif/impl/interactions/aif_CohesiveBehavior.h"

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kmaC_MaterialTable.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

constexpr const char* kCohesiveBehaviorFile =
    "module/aif/impl/interactions/aif_CohesiveBehavior.cpp";

}  // namespace

aif_CohesiveBehavior::aif_CohesiveBehavior(const cow_COW<kinC_InteractionProperty>& property,
                                           const aif_ModelInfo& modelInfo)
    : property_(property), modelInfo_(&modelInfo) {}

void aif_CohesiveBehavior::Write(utl_Stream& stream) const {
  if (property_.IsNull() || property_->DynTypeId() != kinC_ContactProperty::TypeId()) return;
  const kinC_CohesiveBehavior& cohesive =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, kCohesiveBehaviorFile, __LINE__)
          .Get<kinC_CohesiveBehavior>();
  stream << "*Cohesive Behavior";
  if (cohesive.repeatedContacts) stream << ", REPEATED CONTACTS";
  if (cohesive.eligibility == 1)
    stream << ", eligibility=ORIGINAL CONTACTS";
  else if (cohesive.eligibility == 2)
    stream << ", eligibility=SPECIFIED CONTACTS";
  if (cohesive.defaultContactPenalties) {
    stream.LineBreak();
    return;
  }
  if (cohesive.coupling == 1) aif_Option(stream) << "type=COUPLED";
  if (cohesive.dependencies > 0) aif_Option(stream) << "dependencies=" << cohesive.dependencies;
  stream.LineBreak();
  aif_WriteFrameTable(stream, kmaC_MaterialTable(cohesive.table), cohesive.dependencies,
                      cohesive.temperatureDependency);
}
