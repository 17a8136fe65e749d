// The discrete-orientation step of aif_PartAttributesBuilder: the two local
// directions of a discrete orientation, as the kernel evaluates them at the
// element centroids, written as a distribution ("-DiscOrient") that the
// orientation keyword names. Used by the orientation and layup steps.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class aif_PartAttributesFiler;
class ptoC_MaterialOrientation;
class rgnC_Region;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_DiscreteOrientationStep {
 public:
  aif_DiscreteOrientationStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // The discrete orientation `orientation` (named `name`, "Ori-n") over the
  // elements of `regions` of the instance: a "*Distribution Table" of two
  // "coord3D" columns in the model (once per record) and a "*Distribution"
  // with one row per element (each once, however many regions hold it) of
  // the 1- and 2-direction, filed by the part-level rule (flat: turned into
  // the assembly frame). Returns `name` + "-DiscOrient", or it with "-1",
  // "-2" ... when a recorded field has it. Returns empty, having filed
  // nothing, when a region has no centroids or no element ids for the
  // instance, or when the evaluation fails.
  cow_String Add(const aif_InstanceScope& scope, const ptoC_MaterialOrientation& orientation,
                 const cow_String& name, const cow_List<rgnC_Region>& regions);

 private:
  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
