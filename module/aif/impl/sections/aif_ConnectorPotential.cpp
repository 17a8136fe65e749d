#include "aif/impl/sections/aif_ConnectorPotential.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"

aif_ConnectorPotential::aif_ConnectorPotential(const kbeC_ConnectorPlasticity& plasticity,
                                               int optionIndex, const cow_String& stem)
    : plasticity_(plasticity), optionIndex_(optionIndex), form_(kPlasticity), stem_(stem) {}

aif_ConnectorPotential::aif_ConnectorPotential(const kbeC_ConnectorFriction& friction,
                                               int optionIndex, const cow_String& stem)
    : friction_(friction), optionIndex_(optionIndex), form_(kFriction), stem_(stem) {}

aif_ConnectorPotential::aif_ConnectorPotential(const kbeC_ConnectorDamage& damage, int optionIndex,
                                               int form, const cow_String& stem)
    : damage_(damage), optionIndex_(optionIndex), form_(form), stem_(stem) {}

const kbeC_ConnectorPotentialList* aif_ConnectorPotential::Potential() const {
  switch (form_) {
    case kDamageInitiation:
      return &damage_.initiationPotential;
    case kDamageEvolution:
      return damage_.evolution ? &damage_.evolutionPotential : nullptr;
    case kPlasticity:
      return &plasticity_.potential;
    case kFriction:
      return &friction_.potential;
    default:
      return nullptr;
  }
}

const char* aif_ConnectorPotential::NameKind() const {
  if (form_ == kDamageInitiation) return "-IP-";
  if (form_ == kDamageEvolution) return "-EP-";
  return "-CP-";
}

namespace {

bool NamesSomething(const kbeC_ConnectorPotential& term) {
  return term.kind == 0 || term.DerivedComponent();
}

}  // namespace

bool aif_PotentialWritesTerms(const kbeC_ConnectorPotentialList& potential) {
  for (const kbeC_ConnectorPotential& term : potential.terms)
    if (NamesSomething(term)) return true;
  return false;
}

void aif_ConnectorPotential::Write(utl_Stream& stream) const {
  const kbeC_ConnectorPotentialList* potential = Potential();
  if (!potential || !aif_PotentialWritesTerms(*potential)) return;

  const bool maximum = potential->operatorCode == 1;
  stream << "*Connector Potential";
  if (maximum)
    stream << ", operator=MAX";
  else if (potential->exponent != 2.0)
    stream << ", exponent=" << potential->exponent;
  stream.LineBreak();
  int position = 0;
  for (const kbeC_ConnectorPotential& term : potential->terms) {
    ++position;
    if (!NamesSomething(term)) continue;
    if (term.kind == 0)
      stream << term.component;
    else
      stream << akw_MorvexName(aif_PotentialTermName(stem_, optionIndex_, NameKind(), position),
                               false);
    stream << ", " << term.value1 << ", ";
    if (!maximum) stream << term.value2;
    if (term.function == 0) stream << ", ABS";
    if (term.function == 1) stream << ", MACAULEY";
    if (term.function == 2) stream << ", NONE";
    stream << ", " << term.value3 << (term.negative ? ", -1.0" : ", 1.0");
    stream.LineBreak();
  }
}
