// A use of a discrete field by a part or an instance: the builders that read
// a field (section thicknesses, orientation angles, offsets) record it here,
// and the discrete-fields builder writes one distribution per record.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

struct akw_DiscreteField {
  static constexpr int kPart = 0;
  static constexpr int kInstance = 1;
  static constexpr int kAssembly = 2;
  static constexpr int kModel = 3;

  cow_String field;
  cow_String owner;  // the part name (kind 0) or the instance name (kind 1)
  int ownerKind = kInstance;
  cow_List<cow_String> users;       // the instances that use it
  cow_List<cow_String> components;  // column types: "length", "angle", ...
  int useCount = 0;

  // Equal when field, owner, owner kind and column types are: one record
  // stands for every use of one field in one scope.
  bool operator==(const akw_DiscreteField& other) const {
    if (field != other.field || owner != other.owner || ownerKind != other.ownerKind ||
        components.Length() != other.components.Length())
      return false;
    for (std::size_t i = 0; i < components.Length(); ++i)
      if (components[i] != other.components[i]) return false;
    return true;
  }
};
