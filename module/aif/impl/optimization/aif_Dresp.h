// The DRESP block of a design response of the task: a single-term response
// (a result variable over a group, steps and load cases) or a combined one
// (an operator over other responses). Made by the design response builder;
// reads the response, which the model keeps, when written.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_DesignResponse;
class kopC_SingleTermDesignResponse;
class kopC_CombinedTermDesignResponse;
class kopC_StepOption;
class utl_Stream;

class aif_Dresp : public akw_Keyword {
 public:
  aif_Dresp(aif_ModelInfo& info, const kopC_DesignResponse& response, cow_String name)
      : info_(info), response_(response), name_(std::move(name)) {}
  aif_Dresp(const aif_Dresp&) = default;
  akw_Keyword* Clone() const override { return new aif_Dresp(*this); }

  // "DRESP", the response's ID_NAME, "  LIST = NO_LIST", the lines of its
  // kind, "END_".
  //   Single term: DEF_TYPE = SYSTEM, TYPE (the variable), its element or
  //   node group (flag 4, else flag 2 of the variable) and the second node
  //   group (flag 8), GROUP_OPER (none for 2), CS_REF (none in the global
  //   system), one LC_SET per step option, LC_SEL when there are options.
  //   Combined: DEF_TYPE = OPER, VAR_OPER (with FILTER's or CUT_OFF's
  //   values), then one "VARIABLE = response, weight" line per operand for
  //   COMBINE, else VAR_A to VAR_D for the first four operands. Operands are
  //   named by the identifiers of their DRESP blocks.
  // A value outside its word table writes no line (GROUP_OPER, LC_SEL,
  // VAR_OPER) or no word (the fields of LC_SET). Throws aif_Exception before
  // anything is written for a response of another kind ("Unimplemented
  // design response for NAME") and for COMBINE with fewer weights than
  // operands ("The combined design response NAME has fewer weights than
  // variables.").
  void Write(utl_Stream& stream) const override;

  // The number of a load case in the file's load-case numbering: steps in
  // model order, suppressed ones left out, each step numbered once as a
  // whole (an empty `loadCase`) when it has no unsuppressed load case (the
  // initial step too), else each unsuppressed load case in name order.
  // 0 when the step or the load case has no number.
  unsigned LoadCaseNumber(const cow_String& step, const cow_String& loadCase) const;

 private:
  void WriteSingleTerm(utl_Stream& stream, const kopC_SingleTermDesignResponse& response) const;
  void WriteCombinedTerm(utl_Stream& stream, const kopC_CombinedTermDesignResponse& response) const;
  void WriteLoadCaseSet(utl_Stream& stream, const kopC_StepOption& option, int position) const;
  void NumberLoadCases() const;

  aif_ModelInfo& info_;
  const kopC_DesignResponse& response_;
  cow_String name_;
  // Step name -> load-case name ("_" for the step as a whole) -> number;
  // made on first use.
  mutable cow_Map<cow_String, cow_Map<cow_String, unsigned>> numbers_;
};
