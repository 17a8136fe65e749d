// "*Energy Output": the energy variables of an output request, for an
// element set or the whole model. Made by the output request builder after
// the request's "*Output" keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_Output.h"

class aif_EnergyOutput : public akw_Keyword {
 public:
  // `setName`: the element set, empty for the whole model.
  aif_EnergyOutput(const korC_OdbRequest& request, unsigned procedure, const cow_String& setName,
                   bool preselect, bool all);
  aif_EnergyOutput(const aif_EnergyOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_EnergyOutput(*this); }
  // Nothing when the request names no energy variable and asks for neither
  // the preselected nor all variables. Otherwise "*Energy Output", ",
  // elset=" and the printable set name, then ", variable=PRESELECT", ",
  // variable=ALL" or the energy variables sixteen a line.
  void Write(utl_Stream& stream) const override;
  // Whether Write writes nothing.
  bool IsEmpty() const override;

 private:
  // The variables of the request this keyword writes.
  cow_List<cow_String> Names() const;

  korC_OdbRequest request_;
  unsigned procedure_;
  cow_String setName_;
  bool preselect_;
  bool all_;
};
