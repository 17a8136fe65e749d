// "*Damage Stabilization": the viscous regularization of a material's damage
// (four coefficients, or the one coefficient of cohesive elements), written by
// the initiation keyword; or, built from a contact interaction property, that
// of cohesive contact.
#pragma once

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kmaC_DamageOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

class aif_DamageStabilization
    : public aif_MaterialOptionKeyword<aif_DamageStabilization, kmaC_DamageStabilization> {
 public:
  explicit aif_DamageStabilization(const kmaC_DamageStabilization& option);
  explicit aif_DamageStabilization(const kmaC_DamageStabilizationCohesive& option);
  explicit aif_DamageStabilization(const cow_COW<kinC_InteractionProperty>& property);

  // The contact form when built from a property, else the material form: the
  // cohesive coefficient when it is set, the four coefficients otherwise.
  void Write(utl_Stream& stream) const override;
  // The contact form: nothing unless the property is a contact property whose
  // damage holds a stabilization.
  virtual void WriteContact(utl_Stream& stream) const;

 private:
  kmaC_DamageStabilizationCohesive cohesive_;
  cow_COW<kinC_InteractionProperty> property_;
};
