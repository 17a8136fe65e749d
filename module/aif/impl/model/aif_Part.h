// "*Part, name=" and the part's printable name: opens a part's block in a
// part-based file. Made by the part builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_Part : public akw_Keyword {
 public:
  explicit aif_Part(cow_String name) : name_(std::move(name)) {}
  aif_Part(const aif_Part&) = default;

  akw_Keyword* Clone() const override { return new aif_Part(*this); }
  // Throws aif_Exception, having written nothing, for a name that cannot be
  // written (aif_CheckWritableName).
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
};
