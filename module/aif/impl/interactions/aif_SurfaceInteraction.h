// "*Surface Interaction, name=": the line that opens a contact interaction
// property's definition, with its pad thickness and data line as the
// analysis product takes them. The interaction-property pass files one per
// contact property, ahead of the property's behaviour keywords.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class utl_Stream;

class aif_SurfaceInteraction : public akw_Keyword {
 public:
  // `padThickness` is DBL_MAX when unset. `modelInfo` gives the analysis
  // product and must outlive the keyword.
  aif_SurfaceInteraction(cow_String name, const aif_ModelInfo& modelInfo, double dataValue,
                         double padThickness);
  aif_SurfaceInteraction(const aif_SurfaceInteraction&) = default;

  akw_Keyword* Clone() const override { return new aif_SurfaceInteraction(*this); }
  // "*Surface Interaction, name=NAME" (the printable name); in Explicit and
  // input-file jobs ", pad thickness=" when it is set; then, in Standard and
  // input-file jobs, the data line "VALUE,".
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  const aif_ModelInfo* modelInfo_;
  double dataValue_;
  double padThickness_;
};
