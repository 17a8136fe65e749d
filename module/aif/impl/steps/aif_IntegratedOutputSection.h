// "*Integrated Output Section": a named surface over which the solver
// integrates output, with an optional reference node, its motion and a local
// system. Made by the integrated output section builder, one per section of
// the model; "*Integrated Output" requests name it with ", section=".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_IntegratedOutputSection.h"

class aif_ModelInfo;

class aif_IntegratedOutputSection : public akw_Keyword {
 public:
  // `surface` and `refNode` are written as given (the builder makes them
  // printable); an empty `refNode` means the section has none. `info` must
  // outlive the keyword.
  aif_IntegratedOutputSection(const cow_String& name, const cow_String& surface,
                              const cow_String& refNode,
                              const korC_IntegratedOutputSection& section,
                              const aif_ModelInfo& info)
      : name_(name), refNode_(refNode), surface_(surface), section_(section), info_(&info) {}
  aif_IntegratedOutputSection(const aif_IntegratedOutputSection&) = default;

  akw_Keyword* Clone() const override { return new aif_IntegratedOutputSection(*this); }
  // "*Integrated Output Section, name=" (printable) and ", surface="; with a
  // reference node ", ref node=", ", position=CENTER" or "INPUT" and, unless
  // the job restarts an earlier one, ", ref node motion=" for a motion of 0
  // to 2 (another value writes no motion); ", orientation=" and the local
  // system's name when there is one; ", project orientation=YES" or "NO"
  // always.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_String refNode_;
  cow_String surface_;
  korC_IntegratedOutputSection section_;
  const aif_ModelInfo* info_;
};
