// Makes a set feature from geometry hits: the region kernel's way of
// turning picked faces into a named set of a primary object. The caller
// appends the set to the feature list when it wants it in the model
// (ftr_FeatureList::RegenerateFeatureAndAppend) and deletes it again.
#pragma once

#include <memory>

#include "BasShared/cow_String.h"
#include "ModKerLow/rgnF_Set.h"
#include "QivGeom/gdy_CompositeHitSet.h"

class ftr_FeatureList;

class rgnK_RegionToSet {
 public:
  // `features` is the list of the object the set is made in (the
  // assembly's); `inAssembly` says it is the assembly.
  rgnK_RegionToSet(const ftr_FeatureList& features, bool inAssembly)
      : features_(features), inAssembly_(inAssembly) {}

  // Adds the face hits of `hits` to the set being made.
  void AppendGeometryHits(const gdy_CompositeHitSet& hits);
  // A new set named `name` (owned by the caller) whose region holds the
  // faces appended, or null when no face was appended. Its region belongs
  // to the assembly and carries the faces as element indices with their
  // face identifiers per instance, and the mark of an analytical rigid
  // surface when a face lies on an instance of an analytic rigid part.
  // `surface`: the set is made as a surface.
  std::unique_ptr<rgnF_Set> GetNewSet(const cow_String& name, bool surface) const;

 private:
  const ftr_FeatureList& features_;
  bool inAssembly_;
  gdy_CompositeHitSet hits_;
};
