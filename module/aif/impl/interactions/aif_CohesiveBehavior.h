// "*Cohesive Behavior": the cohesive behaviour of a contact interaction
// property, its eligibility and, unless the default contact penalties
// apply, its coupling and stiffness table. The interaction-property pass
// files it after "*Surface Interaction", ahead of the damage keywords.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;
class utl_Stream;

class aif_CohesiveBehavior : public akw_Keyword {
 public:
  aif_CohesiveBehavior(const cow_COW<kinC_InteractionProperty>& property,
                       const aif_ModelInfo& modelInfo);
  aif_CohesiveBehavior(const aif_CohesiveBehavior&) = default;

  akw_Keyword* Clone() const override { return new aif_CohesiveBehavior(*this); }
  // Nothing for a property that is not a contact property. With the default
  // contact penalties the keyword line alone; otherwise ", type=COUPLED"
  // and ", dependencies=" where they apply, then the stiffness table (a
  // blank temperature column ahead of the field variables when the table
  // has field but no temperature dependence).
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_InteractionProperty> property_;
  const aif_ModelInfo* modelInfo_;
};
