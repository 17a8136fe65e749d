// "*Adaptive Mesh": one adaptive mesh domain of a step, or, in the removing
// form, the line that ends the domains of the step before. The adaptive mesh
// builder files it in the step's definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kadC_AdptMesh.h"

class aif_AdaptiveMesh : public akw_Keyword {
 public:
  // A domain of a step whose element set is written as `elset` (already in
  // its written form). `explicitStep`: the step runs the explicit solver.
  aif_AdaptiveMesh(const kadC_AdptMeshDomain& domain, cow_String elset, bool explicitStep);
  // The removing form when `removing` is set.
  aif_AdaptiveMesh(bool removing, bool explicitStep);
  aif_AdaptiveMesh(const aif_AdaptiveMesh&) = default;

  akw_Keyword* Clone() const override { return new aif_AdaptiveMesh(*this); }
  // Removing form: "*Adaptive Mesh, op=NEW" alone. Otherwise one line with
  // the element set, the controls (printable name) when named, the
  // frequency, the initial mesh sweeps (explicit steps only) and the mesh
  // sweeps when they differ from their defaults, and "op=NEW".
  void Write(utl_Stream& stream) const override;

 private:
  cow_ArrayCOW<kadC_AdptMeshDomain> domain_;
  cow_String elset_;
  bool explicit_;
  bool removing_;
};
