// The sets and surfaces that the results of an earlier job hold, by name and
// kind: what a restart job need not define again.
//
// The stand-in reads no results file: a test registers the sets of a job
// (Register) under the job's name, and Configure takes those. Names compare
// without regard to letter case, as the solver stores them upper-cased.
#pragma once

#include <utility>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

// Kinds of a set in the results.
enum rgnC_SetType : int {
  rgnC_GEOMETRY_SET = 0,  // written both as a node set and as an element set
  rgnC_NODE_SET = 1,
  rgnC_ELEMENT_SET = 2,
  rgnC_SURFACE = 3,
};

class ddb_DDBSet {
 public:
  struct Entry {
    cow_String name;
    int kind = rgnC_NODE_SET;
  };

  ddb_DDBSet() = default;

  // Reads the sets of the job `jobName`; `partBased` tells how the job's
  // names are qualified (kept only). A job with nothing registered holds no
  // sets.
  void Configure(const cow_String& jobName, bool partBased);
  // Whether the results hold a set named `name` of `kind`.
  bool IsMember(const cow_String& name, int kind) const;
  bool PartBased() const { return partBased_; }

  // What the results of job `jobName` hold (replacing what was registered
  // before); ClearRegistered forgets every job.
  static void Register(const cow_String& jobName, cow_List<Entry> sets);
  static void ClearRegistered();

 private:
  cow_List<Entry> sets_;
  bool partBased_ = true;
};
