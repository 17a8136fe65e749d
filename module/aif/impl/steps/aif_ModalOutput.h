// "*Modal Output": the modal variables of an output request in mode-based
// procedures. Made by the output request builder after the request's
// "*Output" keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/korC_Output.h"

class aif_ModalOutput : public akw_Keyword {
 public:
  aif_ModalOutput(const korC_OdbRequest& request, unsigned procedure, bool all);
  aif_ModalOutput(const aif_ModalOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_ModalOutput(*this); }
  // Nothing when the request names no modal variable and does not ask for
  // all variables. Otherwise "*Modal Output", then ", variable=ALL" or the
  // modal variables sixteen a line. There is no preselected form.
  void Write(utl_Stream& stream) const override;
  // Whether Write writes nothing.
  bool IsEmpty() const override;

 private:
  // The variables of the request this keyword writes.
  cow_List<cow_String> Names() const;

  korC_OdbRequest request_;
  unsigned procedure_;
  bool all_;
};
