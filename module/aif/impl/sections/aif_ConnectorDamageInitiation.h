// "*Connector Damage Initiation": a connector damage option's initiation
// criterion and table, followed by its initiation potential, its
// "*Connector Damage Evolution" and its evolution potential; the whole
// sequence once per component while the option has components and no
// initiation potential that writes a term (aif_PotentialWritesTerms),
// otherwise once without a component. Initiation
// limits of -1e36 (first column) and 1e36 (second column) mean "none" and
// are written as blanks.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbeC_ConnectorDamage.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorDamageInitiation
    : public aif_ConnectorOptionKeyword<aif_ConnectorDamageInitiation, kbeC_ConnectorDamage> {
 public:
  // `optionIndex` (from 1) and `stem` make the potentials' generated names.
  aif_ConnectorDamageInitiation(const kbeC_ConnectorDamage& option, int optionIndex,
                                const cow_String& stem = cow_String())
      : aif_ConnectorOptionKeyword(option), optionIndex_(optionIndex), stem_(stem) {}
  void Write(utl_Stream& stream) const override;
  // Enters the derived components the initiation potential ("-IP-") and,
  // when the damage has evolution data, the evolution potential ("-EP-")
  // name: the terms the keyword writes.
  void CollectDerivedComponents(aif_DerivedComponentMap& map) const;

 private:
  void WriteInitiation(utl_Stream& stream, int component) const;

  int optionIndex_;
  cow_String stem_;
};
