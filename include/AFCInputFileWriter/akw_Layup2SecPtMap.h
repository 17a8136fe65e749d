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

  // The section points of a set generated from a layup: the instance it
  // belongs to, the set, its section and, per layer in order through the
  // thickness, the number of section points; the instance's part and the
  // layup the set was generated from.
  struct Section {
    cow_String instance;
    cow_String set;
    cow_String section;
    cow_List<int> points;
    cow_String part;
    cow_String layup;
  };
  void AddSection(const cow_String& instance, const cow_String& set, const cow_String& section,
                  const cow_List<int>& points, const cow_String& part = cow_String(),
                  const cow_String& layup = cow_String()) {
    sections_.Append(Section{instance, set, section, points, part, layup});
  }
  const cow_List<Section>& Sections() const { return sections_; }
  // Records that generated set `set` of `instance` is written as `written`
  // (numbered when its elements are split over several sets, suffixed with
  // the instance in a flat file, printable). A set rewired more than once is
  // written as each of the names, in the order given.
  void RewireSet(const cow_String& instance, const cow_String& set, const cow_String& written);

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
    cow_String instance;  // the instance the set is reached through
    cow_String elset;     // the set's name as written
    cow_List<int> points;
  };
  // The element sets generated from layup `layup` for the instance named by
  // `prefix` ("Inst." or "\"In.st\"."; empty: every instance), in the order
  // they were recorded, a lightweight instance reaching the sets of its part.
  // Each set comes with the section points `selection` picks, numbered from
  // 1 through the thickness: kWholeSection every point; otherwise, in
  // ascending order, the bottom, middle and top point of each layer for the
  // positions summed into `selection` (none for 0). Nothing for a layup the
  // map does not hold.
  cow_List<ElsetPoints> ElsetsAndSectionPoints(const cow_String& layup, const cow_String& prefix,
                                               int selection) const;

  void Clear() {
    elsets_.Clear();
    clones_ = cow_Map<cow_String, cow_String>();
    sections_.Clear();
    rewired_ = cow_Map<cow_String, cow_List<cow_String>>();
  }

 private:
  cow_List<cow_String> elsets_;
  cow_Map<cow_String, cow_String> clones_;
  cow_List<Section> sections_;
  // Instance + "\n" + set to the names the set is written as.
  cow_Map<cow_String, cow_List<cow_String>> rewired_;
};
