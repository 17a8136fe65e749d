// Base of the procedure keywords of a step ("*Static", "*Dynamic",
// "*Frequency", ...): each holds its own copy of the kernel step it writes,
// taken at construction after a type test, so that writing never depends on
// the model staying as it was. The step builder makes one per analysis step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"

class utl_Stream;

template <class Derived, class Step>
class aif_ProcedureKeyword : public akw_Keyword {
 public:
  akw_Keyword* Clone() const override { return new Derived(static_cast<const Derived&>(*this)); }

 protected:
  // A `step` that is not a `Step` fails the type test, naming `file` and
  // `line` (the keyword's constructor).
  aif_ProcedureKeyword(const kprC_Step& step, const char* file, int line)
      : step_(nex_canDynamicCastRef<const Step>(step, file, line)) {}

  Step step_;
};

// Declares `Name`, the procedure keyword of kernel step class `Step`,
// constructed from the step alone; its constructor and Write are defined in
// Name's source file.
#define AIF_PROCEDURE_KEYWORD(Name, Step)                \
  class Name : public aif_ProcedureKeyword<Name, Step> { \
   public:                                               \
    explicit Name(const kprC_Step& step);                \
    void Write(utl_Stream& stream) const override;       \
  };
