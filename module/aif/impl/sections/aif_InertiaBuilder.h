// Files the inertias of the model's engineering features: for a point mass a
// "MASS" point element with "*Mass" and a "ROTARYI" one with "*Rotary
// Inertia", for a heat capacitance a "HEATCAP" element with "*Heat Cap", for
// a nonstructural mass "*Nonstructural Mass" on its region's element set.
// A part's inertias go with a lightweight instance's part, once; an
// instance's with the instance; the assembly's with the assembly. A member of
// the input-file driver.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

struct aif_FeatureOwner;
class aif_ModelInfo;
class kefC_Inertia;

class aif_InertiaBuilder : public akw_BuilderComponent {
 public:
  explicit aif_InertiaBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_InertiaBuilder(const aif_InertiaBuilder&) = default;

  // Nothing for a model without an assembly. An excluded inertia, one of
  // another kind and one whose region is not valid are skipped; a point
  // property without a node or whose keyword would be empty files neither
  // its element nor its keyword.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_InertiaBuilder(*this); }

 private:
  void OwnerInertias(const aif_FeatureOwner& owner);
  void Inertia(const aif_FeatureOwner& owner, const kefC_Inertia& inertia);
  void PointMass(const aif_FeatureOwner& owner, const kefC_Inertia& inertia,
                 const cow_Map<int, cow_List<int>>& nodes, const cow_String& set);
  void File(const aif_FeatureOwner& owner, const akw_Keyword& keyword);
  aif_ModelInfo& Info() const;
};
