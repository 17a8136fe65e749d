// "*Connector Friction": a connector friction option, predefined or
// user-defined (its component, its contact force, its independent
// components), with its table, then its "*Friction" law and its
// "*Connector Potential".
//
// The contact force is written as its component number, or as the generated
// name of its derived component (aif_ContactForceName); a contact force of
// the derived kind without a component writes no ", contact force=" at all.
#pragma once

#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbeC_ConnectorFriction.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorOptionKeyword.h"

class aif_ConnectorFriction
    : public aif_ConnectorOptionKeyword<aif_ConnectorFriction, kbeC_ConnectorFriction> {
 public:
  // `optionIndex` (from 1) and `stem` make the generated names; the model
  // info (an aif_ModelInfo, read only when the option has a friction law)
  // goes to the friction law's keyword.
  aif_ConnectorFriction(const kbeC_ConnectorFriction& option, akw_ModelInfo* modelInfo,
                        int optionIndex, const cow_String& stem = cow_String())
      : aif_ConnectorOptionKeyword(option),
        modelInfo_(modelInfo),
        optionIndex_(optionIndex),
        stem_(stem) {}
  void Write(utl_Stream& stream) const override;
  // Enters the derived components the contact force ("-DC") and the
  // potential ("-CP-") name.
  void CollectDerivedComponents(aif_DerivedComponentMap& map) const;

 private:
  void WriteKeywordLine(utl_Stream& stream) const;
  void WriteTable(utl_Stream& stream) const;

  akw_ModelInfo* modelInfo_;
  int optionIndex_;
  cow_String stem_;
};
