// The FEM_INPUT block: the solver input file the optimization runs, named
// by its base name. Made by the option builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_FemInput : public akw_Keyword {
 public:
  explicit aif_FemInput(cow_String baseName) : baseName_(std::move(baseName)) {}
  aif_FemInput(const aif_FemInput&) = default;
  akw_Keyword* Clone() const override { return new aif_FemInput(*this); }

  // "FEM_INPUT", "  ID_NAME = " the printable base name + "_INP_",
  // "  FILE = " base name + ".inp", "END_".
  void Write(utl_Stream& stream) const override;

 private:
  cow_String baseName_;
};
