// "*Step, name=": the line that opens an analysis step's history, with the
// step-level options the procedure's kind calls for, and the step's
// description on the line after it. The step builder makes one per analysis
// step, right after the step banner and before the procedure keyword.
//
// The description is the second line of the step, read as data. So that it
// stays one data line, each line break (\n or \r) in it is written as a
// blank, and a description whose first non-blank character is "*" (a keyword
// or, with "**", a comment) is written with a blank before it. The text is not
// cut: past the longest line the solver reads the rest is lost to the solver,
// not to the file.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class kprC_AnalysisStep;
class utl_Stream;

class aif_Step : public akw_Keyword {
 public:
  // `step` is the model's own step, which outlives the write; it is read,
  // never changed. `nlgeomCarried`: geometric nonlinearity is already in force
  // when the step begins (an earlier step turned it on, or the product is
  // explicit). `name`: the step's name as the builder names it.
  aif_Step(const kprC_AnalysisStep& step, bool nlgeomCarried, const cow_String& name)
      : nlgeomCarried_(nlgeomCarried), step_(&step), name_(name) {}
  aif_Step(const aif_Step&) = default;

  akw_Keyword* Clone() const override { return new aif_Step(*this); }
  // Writes "*Step, name=<name>" with the options of the step's kind, then the
  // description line when the description is not empty. A kind of step this
  // writer does not know throws aif_Exception "Unimplemented function to write
  // out *Step card" before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  bool nlgeomCarried_;
  const kprC_AnalysisStep* step_;
  cow_String name_;
};
