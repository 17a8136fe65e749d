// "*Element Output": the element variables of an output request, for an
// element set or the whole model, ordinary or for rebar. Made by the output
// request builder after the request's "*Output" keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_Output.h"

class aif_ElementOutput : public akw_Keyword {
 public:
  // `setName`: the element set, empty for the whole model; `rebar`: output
  // for the rebar of the elements.
  aif_ElementOutput(const korC_OdbChannel& channel, const korC_OdbRequest& request,
                    unsigned procedure, const cow_String& setName, bool preselect, bool all,
                    bool rebar);
  aif_ElementOutput(const aif_ElementOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_ElementOutput(*this); }
  // Nothing when the request names no element variable and asks for neither
  // the preselected nor all variables. Otherwise "*Element Output", ",
  // elset=" and the printable set name, ", rebar", and for field output
  // (but in flow procedures) ", directions=YES" or ", directions=NO"; then
  // ", variable=PRESELECT" or ", variable=ALL" or the line end; the request's
  // section points, sixteen a line; and, without a variable option, the
  // element variables sixteen a line ("PEEQ" added after "PE").
  void Write(utl_Stream& stream) const override;
  // Whether Write writes nothing.
  bool IsEmpty() const override;

 private:
  // The element variables of the request, as written (before "PEEQ" is
  // added).
  cow_List<cow_String> Names() const;

  korC_OdbChannel channel_;
  cow_String setName_;
  korC_OdbRequest request_;
  unsigned procedure_;
  bool preselect_;
  bool all_;
  bool rebar_;
};
