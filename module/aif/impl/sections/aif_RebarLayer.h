// "*Rebar Layer": the rebar layers of a shell, membrane or surface section.
// Not filed by a builder: those section keywords make one on the stack at the
// end of their own Write and write it to the same stream.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

struct kseC_Rebar;
struct kseC_LayerProperties;

class aif_RebarLayer : public akw_Keyword {
 public:
  // `rebar` is not copied and must outlive the keyword. `orientation` is the
  // rebar orientation of the section assignment (or empty); `membrane` is
  // true for membrane and surface sections, whose lines leave the extension
  // column empty.
  aif_RebarLayer(const kseC_Rebar& rebar, cow_String orientation, bool membrane);
  aif_RebarLayer(const aif_RebarLayer&) = default;

  akw_Keyword* Clone() const override { return new aif_RebarLayer(*this); }
  // Layers without an orientation of their own share one keyword (with the
  // section's rebar orientation when it is given); each layer with its own
  // orientation gets a keyword of its own after them:
  //   *Rebar Layer, geometry=angular, orientation=Ori-R
  //   NAME, R1, SPACING, EXTENSION, MATERIAL, ANGLE, 1
  // SPACING is R5 for the angular geometry and R3 otherwise, EXTENSION is R4
  // (empty for a membrane), ANGLE is R2 (empty for a layer with its own
  // orientation). Every geometry other than none and angular is the lift
  // equation: "geometry=lift equation" and R6, R7 at the end of each line.
  // An empty layer list writes nothing.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteKeywordLine(utl_Stream& stream, const cow_String& orientation) const;
  void WriteLayer(utl_Stream& stream, const kseC_LayerProperties& layer) const;

  const kseC_Rebar* rebar_;
  cow_String orientation_;
  bool membrane_;
};
