// "*Damage Initiation": one damage initiation criterion of a material, followed
// by the criterion's evolution and stabilization; or, built from a contact
// interaction property, the damage initiation of cohesive contact.
#pragma once

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kmaC_DamageOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_DamageInitiation
    : public aif_MaterialOptionKeyword<aif_DamageInitiation, kmaC_DamageInitiation> {
 public:
  // `criterion`: 0 DUCTILE, 1 FLD, 2 FLSD, 3 JOHNSON COOK, 4 MK, 5 MSFLD,
  // 6 QUADE, 7 QUADS, 8 MAXE, 9 MAXS, 10 MAXPE, 11 MAXPS, 12 SHEAR, 13 HASHIN;
  // another index writes no criterion option.
  aif_DamageInitiation(const kmaC_DamageInitiation& option, int criterion);
  explicit aif_DamageInitiation(const cow_COW<kinC_InteractionProperty>& property);

  // The contact form when built from a property, else the material form.
  void Write(utl_Stream& stream) const override;
  // The contact form: nothing unless the property is a contact property.
  virtual void WriteContact(utl_Stream& stream) const;

 private:
  cow_COW<kinC_InteractionProperty> property_;
  int criterion_ = 0;
};
