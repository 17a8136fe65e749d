// "*Surface Property Assignment" of general contact for the surface
// thickness, the offset fraction and the feature edge criteria of regions
// in a step. Made on the stack by the general-contact keywords.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;

class aif_SurfacePropertyAssignments : public akw_Keyword {
 public:
  // `interaction` is a general contact (a kinC_ContactExp, tested when
  // written); `info` must outlive the keyword.
  aif_SurfacePropertyAssignments(cow_COW<kinC_Interaction> interaction, cow_String stepName,
                                 const aif_ModelInfo& info);
  aif_SurfacePropertyAssignments(const aif_SurfacePropertyAssignments&) = default;

  akw_Keyword* Clone() const override { return new aif_SurfacePropertyAssignments(*this); }
  // Up to three keywords, in this order, each only when the step sets one of
  // its entries: "property=THICKNESS" (lines "REGION , VALUE , SCALE"),
  // "property=OFFSET FRACTION" and "property=FEATURE EDGE CRITERIA" (lines
  // "REGION , VALUE"). A value is the kind's word (ORIGINAL, THINNING, SPOS,
  // SNEG, PERIMETER EDGES, NO FEATURE EDGES) or, for the other kinds, the
  // number.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
};
