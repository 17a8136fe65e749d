// The banner that opens a builder's part of the file: the comment lines
// "** ", "** " + title, "** ". A builder files the banner once in the model
// part of the file and once per step; every later request gets the empty
// keyword, which writes nothing. Copies share the two keywords and carry their
// own first-use flag and set of steps seen.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_SectionHeader {
 public:
  explicit aif_SectionHeader(const cow_String& title);

  // The banner on the first call, the empty keyword on every later one.
  akw_KeywordHandle ModelDefinitionHeader();
  // The banner the first time `step` is given, the empty keyword afterwards.
  akw_KeywordHandle StepDefinitionHeader(const cow_String& step);

 private:
  akw_KeywordHandle banner_;
  akw_KeywordHandle empty_;
  bool modelDone_ = false;
  cow_Btree<cow_String, int> stepsSeen_;
};
