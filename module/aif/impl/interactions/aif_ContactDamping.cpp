#include "aif/impl/interactions/aif_ContactDamping.h"

#include <cfloat>
#include <cstddef>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr const char* kContactDampingFile = "module/aif/impl/interactions/aif_ContactDamping.cpp";

bool ContactDampingHasValue(const kinC_ContactDamping& damping) {
  return damping.table.Rows() > 0 && damping.table.Columns() > 0;
}

// The clearance of `row` (from 0); 0 when the table has no such row or no
// clearance column.
double ContactDampingClearance(const kinC_ContactDamping& damping, std::size_t row) {
  if (row >= damping.table.Rows() || damping.table.Columns() < 2) return 0.0;
  return damping.table(row, 1);
}

}  // namespace

aif_ContactDamping::aif_ContactDamping(const cow_COW<kinC_InteractionProperty>& property,
                                       const aif_ModelInfo& modelInfo)
    : property_(property), modelInfo_(&modelInfo) {}

void aif_ContactDamping::CheckTable(const cow_String& name,
                                    const kinC_InteractionProperty& property) {
  const auto* contact = dynamic_cast<const kinC_ContactProperty*>(&property);
  const kinC_ContactDamping* damping = contact ? contact->Find<kinC_ContactDamping>() : nullptr;
  if (!damping || ContactDampingHasValue(*damping)) return;
  nex_Exception::Throw(
      aif_Exception(atr_TranslateWithArg(
          "The contact damping of interaction property %s has no damping value.", name)),
      kContactDampingFile, __LINE__);
}

void aif_ContactDamping::Write(utl_Stream& stream) const {
  if (property_.IsNull() || property_->DynTypeId() != kinC_ContactProperty::TypeId()) return;
  const kinC_ContactDamping& damping =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, kContactDampingFile, __LINE__)
          .Get<kinC_ContactDamping>();
  if (!ContactDampingHasValue(damping))
    nex_Exception::Throw(
        nex_AssertException("\"Damping table checked before *Contact Damping\" == 0"),
        kContactDampingFile, __LINE__);
  stream << "*Contact Damping, "
         << (damping.definition == 1 ? "definition=CRITICAL DAMPING FRACTION"
                                     : "definition=DAMPING COEFFICIENT");
  if (damping.tangentFraction != DBL_MAX)
    stream << ", tangent fraction=" << damping.tangentFraction;
  stream.LineBreak();
  stream << damping.table(0, 0) << ", ";
  const double second = ContactDampingClearance(damping, 1);
  const double third = ContactDampingClearance(damping, 2);
  if (damping.variation == 1 && second > 0.0)
    stream << second << ", " << 0.0;
  else if (damping.variation == 2 && third > 0.0)
    stream << third << ", " << second / third;
  stream.LineBreak();
}
