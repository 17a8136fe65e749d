// An output keyword that names a set of an assembled fastener's copies.
// The output requests are built before the assembled-fastener pre-pass
// defines those sets, so whether the set exists is known only when the file
// is written: the keyword is written when the set-name registry holds the
// set (as a node set for node output, as an element set otherwise), and
// nothing is written for a set the file lacks (a fastener that could not be
// placed, or a template set whose copies hold no nodes or no elements).
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_FastenerSetOutput : public akw_Keyword {
 public:
  // `keyword` (copied) names `setName`; `nodes`: it needs a node set.
  aif_FastenerSetOutput(const akw_Keyword& keyword, cow_String setName, bool nodes);
  aif_FastenerSetOutput(const aif_FastenerSetOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_FastenerSetOutput(*this); }
  void Write(utl_Stream& stream) const override;
  // Whether the keyword it wraps writes nothing. Whether the file defines
  // the set is known only when it is written: a set it lacks does not make
  // this keyword empty.
  bool IsEmpty() const override { return keyword_->IsEmpty(); }

 private:
  akw_KeywordHandle keyword_;
  cow_String setName_;
  bool nodes_;
};
