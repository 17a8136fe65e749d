// "*Damage Evolution": how the damage of a material's initiation criterion
// grows (written by the initiation keyword), or, built from a contact
// interaction property, the damage evolution of cohesive contact.
#pragma once

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kmaC_DamageOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_DamageEvolution
    : public aif_MaterialOptionKeyword<aif_DamageEvolution, kmaC_DamageEvolution> {
 public:
  explicit aif_DamageEvolution(const kmaC_DamageEvolution& option);
  explicit aif_DamageEvolution(const cow_COW<kinC_InteractionProperty>& property);

  // The contact form when built from a property, else the material form.
  void Write(utl_Stream& stream) const override;
  // The contact form: nothing unless the property is a contact property whose
  // damage holds an evolution.
  virtual void WriteContact(utl_Stream& stream) const;

 private:
  cow_COW<kinC_InteractionProperty> property_;
};
