// "*Load Case" or "*Substructure Load Case": opens one load case of a step.
// Made by the step builder; the closing builder ends the load case.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_LoadCase : public akw_Keyword {
 public:
  // A non-zero `substructure` makes it a substructure load case.
  aif_LoadCase(const cow_String& name, int substructure)
      : name_(name), substructure_(substructure) {}
  aif_LoadCase(const aif_LoadCase&) = default;

  akw_Keyword* Clone() const override { return new aif_LoadCase(*this); }
  // The keyword line with ", name=" and the printable name.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  int substructure_;
};
