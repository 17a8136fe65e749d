// "*Element" of the two-node and one-node spring and dashpot elements of one
// spring feature: one line per element, its label and its node text. The
// spring builder makes one per spring and per kind (spring, dashpot).
#pragma once

#include <map>
#include <memory>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_SpringElement : public akw_Keyword {
 public:
  // Element label to connectivity text ("12, Inst.7" or "12"), in ascending
  // label order; shared by the copies of the keyword.
  using LabelTable = std::map<int, cow_String>;

  aif_SpringElement(std::shared_ptr<const LabelTable> labels, cow_String elementType,
                    cow_String elementSet);
  aif_SpringElement(const aif_SpringElement&) = default;

  akw_Keyword* Clone() const override { return new aif_SpringElement(*this); }
  // "*Element, type=TYPE, elset=SET", then "label, connectivity" per entry.
  // Nothing for an empty table.
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return !labels_ || labels_->empty(); }

 private:
  std::shared_ptr<const LabelTable> labels_;
  cow_String elementType_;
  cow_String elementSet_;
};
