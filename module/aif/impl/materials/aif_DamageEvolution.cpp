#include "aif/impl/materials/aif_DamageEvolution.h"

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

// The text of an enumeration value whose value 2 is written "POWER LAW".
template <class E>
cow_String DamageEvolutionPowerLawText(E value) {
  return static_cast<int>(value) == 2 ? cow_String("POWER LAW") : aif_EnumText(value);
}

// The contact mixed mode behavior: 0 TABULAR, 1 POWER LAW, 2 BK; "" for
// another value.
cow_String DamageEvolutionContactMixedMode(int value) {
  switch (value) {
    case 0:
      return cow_String("TABULAR");
    case 1:
      return cow_String("POWER LAW");
    case 2:
      return cow_String("BK");
    default:
      return cow_String();
  }
}

}  // namespace

aif_DamageEvolution::aif_DamageEvolution(const kmaC_DamageEvolution& option)
    : aif_MaterialOptionKeyword(option) {}

aif_DamageEvolution::aif_DamageEvolution(const cow_COW<kinC_InteractionProperty>& property)
    : aif_MaterialOptionKeyword(kmaC_DamageEvolution()), property_(property) {}

void aif_DamageEvolution::Write(utl_Stream& stream) const {
  if (!property_.IsNull()) {
    WriteContact(stream);
    return;
  }
  const kmaC_DamageEvolution& o = option_;
  stream << "*Damage Evolution";
  aif_WriteOption(stream, "type=", aif_EnumText(o.type));
  aif_WriteDependencies(stream, o.dependencies);
  if (o.degradation != kmaC_DamageEvolution::MAXIMUM)
    aif_WriteOption(stream, "degradation=", aif_EnumText(o.degradation));
  if (o.softening != kmaC_DamageEvolution::LINEAR)
    aif_WriteOption(stream, "softening=", aif_EnumText(o.softening));
  if (o.mixedModeBehavior != kmaC_DamageEvolution::MODE_INDEPENDENT)
    aif_WriteOption(stream,
                    "mixed mode behavior=", DamageEvolutionPowerLawText(o.mixedModeBehavior));
  if (o.modeMixRatio != kmaC_DamageEvolution::ENERGY_RATIO)
    aif_WriteOption(stream, "mode mix ratio=", DamageEvolutionPowerLawText(o.modeMixRatio));
  if (o.power != DBL_MAX) aif_WriteOption(stream, "power=", o.power);
  stream.LineBreak();
  aif_WriteFrameTable(stream, o);
}

void aif_DamageEvolution::WriteContact(utl_Stream& stream) const {
  if (property_.IsNull() || property_->DynTypeId() != kinC_ContactProperty::TypeId()) return;
  const kinC_CohesiveDamage& damage =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, __FILE__, __LINE__)
          .Get<kinC_CohesiveDamage>();
  if (!damage.evolution) return;
  stream << "*Damage Evolution"
         << (damage.evolutionType == 0 ? ", type=DISPLACEMENT" : ", type=ENERGY");
  if (damage.softening != 0)
    aif_WriteOption(stream,
                    "softening=", cow_String(damage.softening == 1 ? "EXPONENTIAL" : "TABULAR"));
  if (damage.mixedMode) {
    aif_WriteOption(
        stream, "mixed mode behavior=", DamageEvolutionContactMixedMode(damage.mixedModeBehavior));
    if (damage.tractionModeMix != 0) aif_WriteOption(stream, "mode mix ratio=TRACTION");
    if (damage.power != DBL_MAX) aif_WriteOption(stream, "power=", damage.power);
  }
  // The option and the table both belong to the evolution's own table.
  aif_WriteDependencies(stream, damage.evolutionDependencies);
  stream << endl;
  aif_WriteFrameTable(stream, kmaC_MaterialTable(damage.evolutionTable),
                      damage.evolutionDependencies, damage.evolutionTemperatureDependency);
}
