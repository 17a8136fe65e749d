// Line rules shared by the assignment keywords of general contact: the
// names of a pair's members and whether a list sets anything in a step.
#pragma once

#include <cstddef>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kinC_GeneralContact.h"

class aif_ModelInfo;

// The set or surface name of `region` from the assembly.
cow_String aif_ContactRegionName(const rgnC_Region& region, const aif_ModelInfo& info);

// The second member of `pair`: its text when `useText` and the text is not
// empty (dots turned into "_" in a flat file, then made printable
// component by component), otherwise the second region's name.
cow_String aif_ContactSecondName(const kinC_RegionPair& pair, const aif_ModelInfo& info,
                                 bool useText);

// The attribute of entry `index` of a list; null when the step holds none
// there or leaves it unset (status 0).
template <class T>
const mdl_PropAttr<T>* aif_ContactSetEntry(const cow_List<mdl_PropAttr<T>>& attributes,
                                           std::size_t index) {
  if (index >= attributes.Length() || attributes[index].Status() == 0) return nullptr;
  return &attributes[index];
}

// Whether any of the first `count` attributes is set.
template <class T>
bool aif_ContactAnySet(const cow_List<mdl_PropAttr<T>>& attributes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (aif_ContactSetEntry(attributes, i)) return true;
  return false;
}
