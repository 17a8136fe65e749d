// A surface of a part for the interaction decks: the face `face` of element
// `element` on each of `instances`, filed in the part's feature list.
#pragma once

#include <initializer_list>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Utils.h"

inline void aif_AddPartSurface(hst_ModelBuilder& b, const char* part, const char* name,
                               unsigned featureId, int element, const char* face,
                               std::initializer_list<int> instances) {
  rgnC_Region region(name, {part});
  for (int instance : instances)
    region.SetKernelElementIndices(instance, {element}, {cow_String(face)});
  rgnF_Surface surface(region);
  surface.SetId(featureId);
  surface.SetName(name);
  b.MutablePart(part).FeatureList().Add(surface);
}
