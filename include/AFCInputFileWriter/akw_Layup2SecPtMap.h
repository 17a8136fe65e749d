// The section-point data of composite layups, kept by the keyword library's
// model info for the output requests that name plies. The stand-in holds the
// element sets that carry a section and the layup data copied from a part to
// its lightweight instances.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class akw_Layup2SecPtMap {
 public:
  // The element sets that carry a section, in the order they were written.
  const cow_List<cow_String>& SectionElsets() const { return elsets_; }
  void AddSectionElset(const cow_String& name) { elsets_.Append(name); }
  // Records that `instance` shares the layup data of its part `part`.
  void CloneLayupData(const cow_String& instance, const cow_String& part) {
    clones_.Set(instance, part);
  }
  const cow_Map<cow_String, cow_String>& Clones() const { return clones_; }
  void Clear() {
    elsets_.Clear();
    clones_ = cow_Map<cow_String, cow_String>();
  }

 private:
  cow_List<cow_String> elsets_;
  cow_Map<cow_String, cow_String> clones_;
};
