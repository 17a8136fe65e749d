// The beam step of aif_PartAttributesBuilder: a comment naming the section
// and its profiles, then "*Beam General Section" (integration 0) or
// "*Beam Section" followed by "*Transverse Shear".
#pragma once

#include "BasShared/cow_String.h"

class aif_PartAttributesFiler;
class kseC_Section;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_BeamSectionStep {
 public:
  aif_BeamSectionStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // Files to the part when `partLevel`, else to the instance of `scope`. The
  // first beam direction is (0, 0, -1) unless `beamOrientation` (an index
  // into the part's beam orientations, -1 for none) gives one; a flat file
  // turns it by the instance's placement. Throws cow_OutOfRange when the
  // section names a profile the model lacks.
  void Add(const aif_InstanceScope& scope, bool partLevel, const cow_String& sectionName,
           const cow_String& setName, const kseC_Section& section, int beamOrientation);

 private:
  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
