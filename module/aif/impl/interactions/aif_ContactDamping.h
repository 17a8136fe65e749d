// "*Contact Damping": the damping of a contact interaction property, as a
// fraction of critical damping or a coefficient, constant or varying with
// the clearance. The interaction-property pass files it after the
// property's fracture criterion, having checked the property with
// CheckTable.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;
class utl_Stream;

class aif_ContactDamping : public akw_Keyword {
 public:
  aif_ContactDamping(const cow_COW<kinC_InteractionProperty>& property,
                     const aif_ModelInfo& modelInfo);
  aif_ContactDamping(const aif_ContactDamping&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactDamping(*this); }
  // Nothing for a property that is not a contact property. The keyword line
  // with its definition and tangent fraction; the data line "VALUE, " of
  // the first row, followed for a linear variation by the second row's
  // clearance and 0., for a bilinear one by the third row's clearance and
  // the ratio of the second's to it, each only when that clearance is
  // greater than 0 (a row the table lacks counts as a clearance of 0).
  // Throws nex_AssertException, writing nothing, for an empty table, which
  // CheckTable refuses.
  void Write(utl_Stream& stream) const override;

  // Throws aif_Exception naming the property `name` when its contact
  // damping has no table row to take the damping value from. Any other
  // property passes.
  static void CheckTable(const cow_String& name, const kinC_InteractionProperty& property);

 private:
  cow_COW<kinC_InteractionProperty> property_;
  const aif_ModelInfo* modelInfo_;
};
