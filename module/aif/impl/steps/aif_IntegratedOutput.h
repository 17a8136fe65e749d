// "*Integrated Output": the variables of an output request integrated over
// an integrated output section or over an element set, in explicit
// procedures. Made by the output request builder after the request's
// "*Output" keyword (with its element output, or alone for a section
// request).
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_Output.h"

class aif_IntegratedOutput : public akw_Keyword {
 public:
  // `setName`: the element set; empty for the request's integrated output
  // section.
  aif_IntegratedOutput(const korC_OdbRequest& request, unsigned procedure, bool preselect, bool all,
                       const cow_String& setName);
  aif_IntegratedOutput(const aif_IntegratedOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_IntegratedOutput(*this); }
  // Nothing outside explicit procedures, without a section or set name, or
  // when the request names no variable of the kind and asks for neither the
  // preselected nor all variables. Otherwise "*Integrated Output, " with
  // "section=" and the printable section name (no element set) or "elset="
  // and the printable set name; then ", variable=PRESELECT", ",
  // variable=ALL" or the variables sixteen a line.
  void Write(utl_Stream& stream) const override;
  // Whether Write writes nothing.
  bool IsEmpty() const override;

 private:
  // Whether anything is written at all (explicit procedure, a section or
  // set named); `names` receives the variables written.
  bool Writes(cow_List<cow_String>& names) const;

  korC_OdbRequest request_;
  unsigned procedure_;
  bool preselect_;
  bool all_;
  cow_String setName_;
};
