// "*Embedded Element": embeds the elements of a region in those of a host
// region (the whole model without one). The constraint builder makes it for
// the model's embedded-region constraints.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kcoC_Constraint.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_EmbeddedRegion : public akw_Keyword {
 public:
  // Keeps `name` (not written) and its own copy of `constraint` (a
  // kcoC_EmbeddedRegion, tested when written); `info` (an aif_ModelInfo,
  // tested here) must outlive the keyword.
  aif_EmbeddedRegion(cow_String name, const kcoC_Constraint& constraint, const akw_ModelInfo& info);
  aif_EmbeddedRegion(const aif_EmbeddedRegion&) = default;

  akw_Keyword* Clone() const override { return new aif_EmbeddedRegion(*this); }
  // "*Embedded Element" with ", host elset=" the host region's name when it
  // has one, the tolerances that differ from their defaults (the absolute
  // exterior tolerance for the absolute method or both, the fractional one
  // for the fractional method or both, the roundoff tolerance always), then
  // one data line: the embedded region's name.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kcoC_Constraint> constraint_;
  const aif_ModelInfo& info_;
};
