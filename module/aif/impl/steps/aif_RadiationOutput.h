// "*Radiation Output": the cavity radiation variables of an output request,
// for an element set or the whole model. Made by the output request builder
// after the request's "*Output" keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_Output.h"

class aif_RadiationOutput : public akw_Keyword {
 public:
  // `setName`: the element set, empty for the whole model.
  aif_RadiationOutput(const korC_OdbRequest& request, unsigned procedure, const cow_String& setName,
                      bool all);
  aif_RadiationOutput(const aif_RadiationOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_RadiationOutput(*this); }
  // Nothing when the request names no radiation variable and does not ask
  // for all variables. Otherwise "*Radiation Output", ", elset=" and the
  // printable set name, then ", variable=ALL" or the variables sixteen a
  // line. There is no preselected form.
  void Write(utl_Stream& stream) const override;
  // Whether Write writes nothing.
  bool IsEmpty() const override;

 private:
  // The variables of the request this keyword writes.
  cow_List<cow_String> Names() const;

  korC_OdbRequest request_;
  unsigned procedure_;
  cow_String setName_;
  bool all_;
};
