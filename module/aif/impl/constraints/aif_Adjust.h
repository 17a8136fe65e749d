// "*Adjust": moves the nodes of a set onto a surface before the analysis.
// The constraint builder makes it for adjust-points constraints and for
// couplings whose control point is adjusted onto their surface; the
// assembled-fastener builder for the couplings it generates.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kcoC_Constraint.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_Adjust : public akw_Keyword {
 public:
  // Keeps its own copy of `constraint` (may be null: nothing is written).
  // `rawNames`: the node set is named by its region's own name rather than
  // its assembly-qualified name (generated sets). `info` (an aif_ModelInfo,
  // tested here) must outlive the keyword.
  aif_Adjust(const kcoC_Constraint* constraint, const akw_ModelInfo& info, bool rawNames);
  aif_Adjust(const aif_Adjust&) = default;

  akw_Keyword* Clone() const override { return new aif_Adjust(*this); }
  // "*Adjust, node set=SET, surface=SURFACE": for an adjust-points
  // constraint its points and surface, for a coupling its control point and
  // surface (the surface by its set name); any other constraint writes
  // nothing.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kcoC_Constraint> constraint_;
  const aif_ModelInfo& info_;
  bool rawNames_;
};
