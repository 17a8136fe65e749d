// "*Surface Behavior": the normal (pressure-overclosure) behaviour of a
// contact interaction property, with the data lines of its relation or of
// its constraint enforcement method. A property with a fracture criterion
// writes the bare keyword line. The interaction-property pass files it after
// the property's "*Surface Interaction" line, having checked the property
// with CheckTables.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;
struct kinC_NormalBehavior;
class utl_Stream;

class aif_SurfaceBehavior : public akw_Keyword {
 public:
  // `modelInfo` gives the analysis product and must outlive the keyword.
  aif_SurfaceBehavior(const cow_COW<kinC_InteractionProperty>& property,
                      const aif_ModelInfo& modelInfo);
  aif_SurfaceBehavior(const aif_SurfaceBehavior&) = default;

  akw_Keyword* Clone() const override { return new aif_SurfaceBehavior(*this); }
  // Nothing for a property that is not a contact property. The keyword line
  // names the method (augmented Lagrange, direct, penalty) or, for the
  // default method, the relation; the data lines follow what the line
  // names. Throws nex_AssertException, writing nothing, for an exponential
  // relation that CheckTables refuses.
  void Write(utl_Stream& stream) const override;

  // Throws aif_Exception naming the property `name` when its exponential
  // relation has fewer than two rows of two values, which the data line
  // reads. Any other property passes.
  static void CheckTables(const cow_String& name, const kinC_InteractionProperty& property);

 private:
  void WriteKeywordLine(utl_Stream& stream, const kinC_NormalBehavior& normal) const;
  void WriteMethodData(utl_Stream& stream, const kinC_NormalBehavior& normal) const;
  void WriteRelationData(utl_Stream& stream, const kinC_NormalBehavior& normal) const;

  cow_COW<kinC_InteractionProperty> property_;
  const aif_ModelInfo* modelInfo_;
};
