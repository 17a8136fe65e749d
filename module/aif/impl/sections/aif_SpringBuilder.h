// Files the springs and dashpots of the model's engineering features: per
// spring, "*Spring" and "*Dashpot" for the kinds it has, then their
// "*Element" keywords (two-point elements SpringA/Spring2, DashpotA/Dashpot2;
// one element per node to ground, Spring1/Dashpot1) with fresh labels. A
// part's springs go with a lightweight instance's part, once; an instance's
// with the instance; the assembly's with the assembly. A member of the
// input-file driver.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

struct aif_FeatureOwner;
class aif_ModelInfo;
class kefC_Spring;

class aif_SpringBuilder : public akw_BuilderComponent {
 public:
  explicit aif_SpringBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_SpringBuilder(const aif_SpringBuilder&) = default;

  // Nothing for a model without an assembly. A spring that is excluded, has
  // neither a spring nor a dashpot, or is of another kind is skipped; a kind
  // whose element keyword would be empty (no node found) files neither its
  // elements nor its property, which would name a set no element is in.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_SpringBuilder(*this); }

 private:
  void OwnerSprings(const aif_FeatureOwner& owner);
  void Spring(const aif_FeatureOwner& owner, const kefC_Spring& spring);
  void File(const aif_FeatureOwner& owner, const akw_Keyword& keyword);
  aif_ModelInfo& Info() const;
};
