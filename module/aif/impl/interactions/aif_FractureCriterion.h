// "*Fracture Criterion": the debonding criterion of a contact interaction
// property with its mixed-mode behaviour, normal direction and criterion
// table. The interaction-property pass files it after the cohesive damage
// keywords; a property holding one writes a bare "*Surface Behavior".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;
class utl_Stream;

class aif_FractureCriterion : public akw_Keyword {
 public:
  aif_FractureCriterion(const cow_COW<kinC_InteractionProperty>& property,
                        const aif_ModelInfo& modelInfo);
  aif_FractureCriterion(const aif_FractureCriterion&) = default;

  akw_Keyword* Clone() const override { return new aif_FractureCriterion(*this); }
  // Nothing for a property that is not a contact property. The keyword line
  // (type; mixed mode behaviour for VCCT and fatigue; normal direction;
  // dependencies; tolerance and viscosity when not at their defaults), then
  // the criterion table with a blank temperature column ahead of the field
  // variables when it has field but no temperature dependence.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_InteractionProperty> property_;
  const aif_ModelInfo* modelInfo_;
};
