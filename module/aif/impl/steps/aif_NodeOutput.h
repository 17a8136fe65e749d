// "*Node Output": the node variables of an output request, for a node set or
// the whole model. Made by the output request builder after the request's
// "*Output" keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_Output.h"

class aif_NodeOutput : public akw_Keyword {
 public:
  // `setName`: the node set, empty for the whole model; `omitWhenEmpty`:
  // write nothing when the request names no node variable (and asks for
  // neither the preselected nor all variables).
  aif_NodeOutput(const korC_OdbChannel& channel, const korC_OdbRequest& request, unsigned procedure,
                 const cow_String& setName, bool preselect, bool all, bool omitWhenEmpty);
  aif_NodeOutput(const aif_NodeOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_NodeOutput(*this); }
  // "*Node Output", ", global=NO" when the request's output is not global,
  // ", nset=" and the printable set name; then ", variable=PRESELECT", ",
  // variable=ALL" or the node variables of the request, eight a line.
  void Write(utl_Stream& stream) const override;
  // Whether Write writes nothing.
  bool IsEmpty() const override;

 private:
  // The node variables of the request, as written.
  cow_List<cow_String> Names() const;

  korC_OdbChannel channel_;
  cow_String setName_;
  korC_OdbRequest request_;
  unsigned procedure_;
  bool omitWhenEmpty_;
  bool preselect_;
  bool all_;
};
