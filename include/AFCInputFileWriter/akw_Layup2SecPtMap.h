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

  // The section points of a set generated from a layup: the instance (or
  // part) it belongs to, the set, its section and, per layer in order
  // through the thickness, the number of section points.
  struct Section {
    cow_String instance;
    cow_String set;
    cow_String section;
    cow_List<int> points;
  };
  void AddSection(const cow_String& instance, const cow_String& set, const cow_String& section,
                  const cow_List<int>& points) {
    sections_.Append(Section{instance, set, section, points});
  }
  const cow_List<Section>& Sections() const { return sections_; }

  void Clear() {
    elsets_.Clear();
    clones_ = cow_Map<cow_String, cow_String>();
    sections_.Clear();
  }

 private:
  cow_List<cow_String> elsets_;
  cow_Map<cow_String, cow_String> clones_;
  cow_List<Section> sections_;
};
