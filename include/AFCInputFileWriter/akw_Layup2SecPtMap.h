// The section-point data of composite layups, kept by the keyword library's
// model info for the output requests that name plies. The stand-in holds the
// element sets that carry a section and the layup data copied from a part to
// its lightweight instances.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"

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

  // Which section points of a layup's sets an output request asks for: the
  // sum of the ply positions (bottom, middle, top of each ply), or the whole
  // section.
  static constexpr int kBottom = 1;
  static constexpr int kTop = 2;
  static constexpr int kMiddle = 4;
  static constexpr int kWholeSection = 8;
  // An element set generated from a layup, as an output request names it,
  // with the section points selected in it.
  struct ElsetPoints {
    rgnC_Region elset;
    cow_List<int> points;
  };
  // The element sets of layup `layup` of the instance (or part) named by
  // `prefix` (its qualified prefix, "Inst." or empty), each with the section
  // points `selection` picks; nothing for a layup the map does not hold.
  cow_List<ElsetPoints> ElsetsAndSectionPoints(const cow_String& layup, const cow_String& prefix,
                                               int selection) const;

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
