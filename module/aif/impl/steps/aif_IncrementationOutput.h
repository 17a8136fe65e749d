// "*Incrementation Output": the incrementation variables of an output
// request in explicit procedures. Made by the output request builder after
// the request's "*Output" keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/korC_Output.h"

class aif_IncrementationOutput : public akw_Keyword {
 public:
  aif_IncrementationOutput(const korC_OdbRequest& request, unsigned procedure, bool preselect,
                           bool all);
  aif_IncrementationOutput(const aif_IncrementationOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_IncrementationOutput(*this); }
  // Nothing when the request names no incrementation variable and asks for
  // neither the preselected nor all variables. Otherwise "*Incrementation
  // Output", then ", variable=PRESELECT", ", variable=ALL" or the variables
  // sixteen a line.
  void Write(utl_Stream& stream) const override;
  // Whether Write writes nothing.
  bool IsEmpty() const override;

 private:
  // The variables of the request this keyword writes.
  cow_List<cow_String> Names() const;

  korC_OdbRequest request_;
  unsigned procedure_;
  bool preselect_;
  bool all_;
};
