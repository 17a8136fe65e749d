// The facts about one part instance that every part-attribute step needs:
// where its keywords go (part or instance), the names it goes by, its node
// offset and placement. aif_PartAttributesBuilder computes them once per
// instance (Of) and hands them down to its steps.
#pragma once

#include "BasShared/cow_String.h"
#include "QivGeom/gsl_Matrix.h"

class aif_ModelInfo;
class asoF_PartInstance;
class bme_Mesh;
class ptoK_Part;

struct aif_InstanceScope {
  // The scope of `instance`, as `info` answers for it now. `instance` must
  // outlive the scope.
  static aif_InstanceScope Of(const asoF_PartInstance& instance, const aif_ModelInfo& info);

  // The name of the reference-point set of the owner: the printable form of
  // `owner` + akw_ModelInfo::RefPtSuffix(). Made on demand, since making a
  // name printable refuses some names (and that refusal belongs to the
  // section that asks for it).
  cow_String RefPointName() const;

  const asoF_PartInstance* instance = nullptr;
  const ptoK_Part* part = nullptr;  // the part it was made from (asoK_Assembly::GetOriginalPart)
  const bme_Mesh* mesh = nullptr;   // its mesh; null when it has none
  cow_String name;                  // the instance's name
  cow_String partName;              // its part's name
  int id = 0;                       // its feature id
  // The part-level rule (aif_ModelInfo::IsLightweightInstance): keywords go
  // to the part `partName`, else to the instance `name`.
  bool partLevel = false;
  bool flat = false;    // the file is not part-based
  cow_String owner;     // partLevel ? partName : name
  cow_String setScope;  // the set registry's scope (aif_SurfaceFromElements::InternalSetScope)
  cow_String
      featureName;  // the name of its feature: its data tables' name (aif_ModelInfo::FeatureName)
  int nodeOffset = 0;    // aif_ModelInfo::NodeOffset of the instance
  gsl_Matrix transform;  // flat: the instance's placement; else the identity
};
