// "*Connector Potential": the potential of a connector friction, plasticity
// or damage option, one line per term. Written by those options' keywords
// inside their own output; nothing for an empty term list, and a damage
// evolution potential only when the damage has evolution data.
//
// A term names a component number, or a derived component by its generated
// name (aif_PotentialTermName: "-IP-" for damage initiation, "-EP-" for
// damage evolution, "-CP-" for plasticity and friction, with the option index
// and the term's position, both counted from 1). A term of the derived kind
// whose component is absent names nothing the deck defines: it is left out,
// and a potential left without terms writes nothing.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbeC_ConnectorDamage.h"
#include "OdbAttrEO/kbeC_ConnectorFriction.h"
#include "OdbAttrEO/kbeC_ConnectorPlasticity.h"

// Whether "*Connector Potential" of `potential` writes a line: some term
// names a component number, or a derived component it holds. An option whose
// potential writes nothing is written as one without a potential (per
// component).
bool aif_PotentialWritesTerms(const kbeC_ConnectorPotentialList& potential);

class aif_ConnectorPotential : public akw_Keyword {
 public:
  enum Form { kDamageInitiation = 0, kDamageEvolution = 1, kPlasticity = 2, kFriction = 3 };

  // `stem` is put before every generated name (see aif_PotentialTermName).
  aif_ConnectorPotential(const kbeC_ConnectorPlasticity& plasticity, int optionIndex,
                         const cow_String& stem = cow_String());
  aif_ConnectorPotential(const kbeC_ConnectorFriction& friction, int optionIndex,
                         const cow_String& stem = cow_String());
  // `form` 0 (initiation) or 1 (evolution); another form writes nothing.
  aif_ConnectorPotential(const kbeC_ConnectorDamage& damage, int optionIndex, int form,
                         const cow_String& stem = cow_String());

  akw_Keyword* Clone() const override { return new aif_ConnectorPotential(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  // The potential of the form; null when the form writes nothing.
  const kbeC_ConnectorPotentialList* Potential() const;
  // The generated-name kind of the form's terms.
  const char* NameKind() const;

  kbeC_ConnectorDamage damage_;
  kbeC_ConnectorPlasticity plasticity_;
  kbeC_ConnectorFriction friction_;
  int optionIndex_;
  int form_;
  cow_String stem_;
};
