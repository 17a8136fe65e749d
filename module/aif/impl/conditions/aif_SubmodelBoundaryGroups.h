// The "*Boundary" blocks of submodel conditions driven from a global model,
// grouped per step: one comment naming every condition of the step, and one
// header line ("*Boundary, submodel, step=...") for each run of conditions
// that share it. The boundary-condition builder adds the driven conditions
// and files each step's list.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_Boundary;

class aif_SubmodelBoundaryGroups {
 public:
  // Adds the driven submodel condition `keyword` (named `conditionName`) to
  // the group of `step`. A keyword whose header differs from the one its
  // predecessor in the step stands under opens a new block under its own
  // header.
  void Add(const cow_String& step, const cow_String& conditionName, const aif_Boundary& keyword);

  // The comment "Name: A, B Type: Submodel" followed by the step's header
  // lines and conditions; empty for a step without driven conditions.
  akw_KeywordList Keywords(const cow_String& step) const;

 private:
  cow_Map<cow_String, akw_KeywordList> keywords_;
  cow_Map<cow_String, cow_List<cow_String>> names_;
  // The header of the block the next condition of a step joins.
  cow_Map<cow_String, cow_String> headers_;
};
