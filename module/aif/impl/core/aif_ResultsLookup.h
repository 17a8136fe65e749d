// The results database of an earlier job's file for the length of one
// lookup: the one the thread's results root holds already (left open), or
// one opened here and closed again however the lookup ends.
#pragma once

#include "BasShared/cow_String.h"

class ddb_DdbContainer;

class aif_ResultsLookup {
 public:
  explicit aif_ResultsLookup(const cow_String& path);
  aif_ResultsLookup(const aif_ResultsLookup&) = delete;
  aif_ResultsLookup& operator=(const aif_ResultsLookup&) = delete;
  ~aif_ResultsLookup();

  const ddb_DdbContainer& Ddb() const { return *ddb_; }

 private:
  ddb_DdbContainer* ddb_;
  bool opened_ = false;
};
