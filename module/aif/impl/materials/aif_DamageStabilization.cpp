#include "aif/impl/materials/aif_DamageStabilization.h"

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

aif_DamageStabilization::aif_DamageStabilization(const kmaC_DamageStabilization& option)
    : aif_MaterialOptionKeyword(option) {}

aif_DamageStabilization::aif_DamageStabilization(const kmaC_DamageStabilizationCohesive& option)
    : aif_MaterialOptionKeyword(kmaC_DamageStabilization()), cohesive_(option) {}

aif_DamageStabilization::aif_DamageStabilization(const cow_COW<kinC_InteractionProperty>& property)
    : aif_MaterialOptionKeyword(kmaC_DamageStabilization()), property_(property) {}

void aif_DamageStabilization::Write(utl_Stream& stream) const {
  if (!property_.IsNull()) {
    WriteContact(stream);
    return;
  }
  stream << "*Damage Stabilization";
  stream.LineBreak();
  if (cohesive_.coefficient == DBL_MAX) {
    const auto& c = option_.coefficients;
    stream << c[0] << "," << c[1] << "," << c[2] << "," << c[3];
  } else {
    stream << cohesive_.coefficient;
  }
  stream.LineBreak();
}

void aif_DamageStabilization::WriteContact(utl_Stream& stream) const {
  if (property_.IsNull() || property_->DynTypeId() != kinC_ContactProperty::TypeId()) return;
  const kinC_CohesiveDamage& damage =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, __FILE__, __LINE__)
          .Get<kinC_CohesiveDamage>();
  if (!damage.stabilization) return;
  stream << "*Damage Stabilization" << endl << damage.stabilizationCoefficient << endl;
}
