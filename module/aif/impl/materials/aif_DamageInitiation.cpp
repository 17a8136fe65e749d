#include "aif/impl/materials/aif_DamageInitiation.h"

#include <cstddef>

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_DamageEvolution.h"
#include "aif/impl/materials/aif_DamageStabilization.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

constexpr const char* kDamageInitiationCriteria[] = {
    "DUCTILE", "FLD",  "FLSD", "JOHNSON COOK", "MK",    "MSFLD", "QUADE",
    "QUADS",   "MAXE", "MAXS", "MAXPE",        "MAXPS", "SHEAR", "HASHIN"};

constexpr const char* kDamageInitiationContactCriteria[] = {"MAXS", "MAXU", "QUADS", "QUADU"};

// The name at `index` of `names`; "" outside the table.
template <std::size_t N>
cow_String DamageInitiationName(const char* const (&names)[N], int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return cow_String();
  return cow_String(names[index]);
}

}  // namespace

aif_DamageInitiation::aif_DamageInitiation(const kmaC_DamageInitiation& option, int criterion)
    : aif_MaterialOptionKeyword(option), criterion_(criterion) {}

aif_DamageInitiation::aif_DamageInitiation(const cow_COW<kinC_InteractionProperty>& property)
    : aif_MaterialOptionKeyword(kmaC_DamageInitiation()), property_(property) {}

void aif_DamageInitiation::Write(utl_Stream& stream) const {
  if (!property_.IsNull()) {
    WriteContact(stream);
    return;
  }
  const kmaC_DamageInitiation& o = option_;
  stream << "*Damage Initiation";
  aif_WriteOption(stream,
                  "criterion=", DamageInitiationName(kDamageInitiationCriteria, criterion_));
  aif_WriteDependencies(stream, o.dependencies);
  if (o.definition != kmaC_DamageInitiation::DEFINITION_MSFLD)
    aif_WriteOption(stream, "definition=", aif_EnumText(o.definition));
  if (o.feq != 10.0) aif_WriteOption(stream, "feq=", o.feq);
  if (o.fnn != 10.0) aif_WriteOption(stream, "fnn=", o.fnn);
  if (o.fnt != 10.0) aif_WriteOption(stream, "fnt=", o.fnt);
  if (o.frequency != 1) aif_WriteOption(stream, "frequency=", o.frequency);
  if (o.numberImperfections != 4)
    aif_WriteOption(stream, "numberImperfections=", o.numberImperfections);
  if (o.ks != 0.0) aif_WriteOption(stream, "ks=", o.ks);
  if (o.alpha != 0.0) aif_WriteOption(stream, "alpha=", o.alpha);
  if (o.omega != 1.0) aif_WriteOption(stream, "omega=", o.omega);
  if (o.tolerance != 0.05) aif_WriteOption(stream, "tolerance=", o.tolerance);
  if (o.normalDirection != kmaC_DamageInitiation::DIRECTION_DEFAULT) {
    const bool nmori = aif_EnumText(o.normalDirection) == "NMORI";
    aif_WriteOption(stream, "normal direction=", cow_String(nmori ? "1" : "2"));
  }
  stream.LineBreak();
  aif_WriteFrameTable(stream, o);
  aif_WriteSubOption<aif_DamageEvolution>(stream, o.evolution);
  aif_WriteSubOption<aif_DamageStabilization>(stream, o.stabilization);
  aif_WriteSubOption<aif_DamageStabilization>(stream, o.cohesiveStabilization);
}

void aif_DamageInitiation::WriteContact(utl_Stream& stream) const {
  if (property_.IsNull() || property_->DynTypeId() != kinC_ContactProperty::TypeId()) return;
  const kinC_CohesiveDamage& damage =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, __FILE__, __LINE__)
          .Get<kinC_CohesiveDamage>();
  stream << "*Damage Initiation";
  const cow_String criterion =
      DamageInitiationName(kDamageInitiationContactCriteria, damage.criterion);
  if (!criterion.IsEmpty()) stream << ", criterion=" << criterion;
  aif_WriteDependencies(stream, damage.dependencies);
  stream << endl;
  aif_WriteFrameTable(stream, kmaC_MaterialTable(damage.table), damage.dependencies,
                      damage.temperatureDependency);
}
