#include "AFCInputFileWriter/akw_Layup2SecPtMap.h"

#include <string_view>

namespace {

cow_String Layup2SecPtKey(const cow_String& instance, const cow_String& set) {
  return instance + "\n" + set;
}

// The instance a qualified prefix names: its last component without the
// closing "." and without enclosing quotes.
cow_String Layup2SecPtInstance(const cow_String& prefix) {
  std::string_view text = prefix.View();
  if (!text.empty() && text.back() == '.') text.remove_suffix(1);
  if (text.size() >= 2 && text.back() == '"') {
    const std::size_t open = text.rfind('"', text.size() - 2);
    if (open != std::string_view::npos)
      return cow_String(text.substr(open + 1, text.size() - open - 2));
  }
  const std::size_t dot = text.rfind('.');
  return cow_String(dot == std::string_view::npos ? text : text.substr(dot + 1));
}

// The section points `selection` picks in a section of `layers` (section
// points per layer, bottom layer first).
cow_List<int> Layup2SecPtSelect(const cow_List<int>& layers, int selection) {
  cow_List<int> points;
  int first = 1;
  for (int count : layers) {
    if (count <= 0) continue;
    const int last = first + count - 1;
    if (selection == akw_Layup2SecPtMap::kWholeSection) {
      for (int point = first; point <= last; ++point)
        points.Append(point);
    } else {
      const int picked[] = {(selection & akw_Layup2SecPtMap::kBottom) ? first : 0,
                            (selection & akw_Layup2SecPtMap::kMiddle) ? first + (count - 1) / 2 : 0,
                            (selection & akw_Layup2SecPtMap::kTop) ? last : 0};
      for (int point : picked)
        if (point > 0) points.AppendUnlessMember(point);
    }
    first = last + 1;
  }
  return points;
}

}  // namespace

void akw_Layup2SecPtMap::RewireSet(const cow_String& instance, const cow_String& set,
                                   const cow_String& written) {
  const cow_String key = Layup2SecPtKey(instance, set);
  cow_List<cow_String> names = rewired_.Contains(key) ? rewired_.Get(key) : cow_List<cow_String>();
  names.AppendUnlessMember(written);
  rewired_.Set(key, names);
}

cow_List<akw_Layup2SecPtMap::ElsetPoints> akw_Layup2SecPtMap::ElsetsAndSectionPoints(
    const cow_String& layup, const cow_String& prefix, int selection) const {
  const cow_String wanted = Layup2SecPtInstance(prefix);
  cow_List<ElsetPoints> result;
  // The sets of `section` reached through `instance`.
  auto add = [&](const Section& section, const cow_String& instance) {
    const cow_List<int> points = Layup2SecPtSelect(section.points, selection);
    const cow_String key = Layup2SecPtKey(section.instance, section.set);
    if (!rewired_.Contains(key)) {
      result.Append(ElsetPoints{instance, section.set, points});
      return;
    }
    for (const cow_String& written : rewired_.Get(key))
      result.Append(ElsetPoints{instance, written, points});
  };
  for (const Section& section : sections_) {
    if (section.layup != layup) continue;
    if (wanted.IsEmpty() || section.instance == wanted) add(section, section.instance);
    // Lightweight instances sharing the part's sets: the part's first
    // instance recorded them.
    for (const auto& [instance, part] : clones_)
      if ((wanted.IsEmpty() || instance == wanted) && part == section.part &&
          !section.part.IsEmpty())
        add(section, instance);
  }
  return result;
}
