// The output variable table: the variables an output request asks for when
// it asks for the preselected defaults or for everything, per channel type
// (1 field, 2 history) and procedure. One table per thread
// (thr_ThreadSingleton<korC_OdbRequestTable>::Instance()).
//
// Interim form: the lists only, with setters for tests; an empty list means
// the procedure has none.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "QivBasicUtils/thr_ThreadSingleton.h"

class korC_OdbRequestTable {
 public:
  korC_OdbRequestTable() { Reset(); }

  // The preselected variables of `channelType` in `procedure`.
  cow_List<cow_String> Defaults(int channelType, unsigned procedure, bool simulation, int domain,
                                int extra) const;
  // Every variable of `channelType` in `procedure`.
  cow_List<cow_String> All(int channelType, unsigned procedure, int domain, int extra) const;

  // Replaces the lists of `channelType` in `procedure`.
  void SetDefaults(int channelType, unsigned procedure, const cow_List<cow_String>& variables);
  void SetAll(int channelType, unsigned procedure, const cow_List<cow_String>& variables);
  // Back to the built-in content.
  void Reset();

 private:
  cow_Map<unsigned long long, cow_List<cow_String>> defaults_;
  cow_Map<unsigned long long, cow_List<cow_String>> all_;
};
