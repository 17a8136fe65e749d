// "*Controls": the solution controls of a step (time incrementation,
// constraint and line-search parameters, field tolerances, direct cyclic
// parameters), written as "*Controls, reset" and a block of "*Controls" lines
// with only the values that differ from the solver's defaults. Base of one
// keyword class per kind of host controls; the output request builder picks
// the class by the controls' exact type.
#pragma once

#include <cstddef>
#include <span>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"

class kprC_Controls;
class kprC_PrimaryControls;

class aif_Controls : public akw_Keyword {
 public:
  aif_Controls(const aif_Controls&) = default;

  akw_Keyword* Clone() const override = 0;
  void Write(utl_Stream& stream) const override = 0;

 protected:
  // One field tolerance block: the field's name as written, its values and
  // whether it is compared with the displacement field's defaults.
  struct Field {
    const char* name;
    const cow_List<double>* values;
    bool displacement;
  };

  // `lineSearch`: the step solves with the quasi-Newton technique, whose
  // line search makes 5 the default of the first line-search value.
  explicit aif_Controls(bool lineSearch) : lineSearch_(lineSearch) {}

  // Writes the controls of a class: nothing when `own` is to be left out;
  // "*Controls, reset"; unless `own` asks for defaults only, the common part
  // of `common` (discontinuous analysis, time incrementation, constraints,
  // line search), the field blocks in order and, when given, the direct
  // cyclic block. Every list written is checked first, so that an error
  // leaves nothing written: a list that differs from its defaults must be as
  // long as they are and hold finite numbers, and its counts must fit an
  // int; otherwise throws aif_Exception naming the list.
  void WriteControls(utl_Stream& stream, const kprC_Controls& own,
                     const kprC_PrimaryControls& common, std::span<const Field> fields,
                     const cow_List<double>* directCyclic = nullptr) const;

 private:
  void WriteCommon(utl_Stream& stream, const kprC_PrimaryControls& common) const;
  void CheckCommon(const kprC_PrimaryControls& common) const;

  bool lineSearch_;
};
