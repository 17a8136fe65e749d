// The distribution names of one write. Every builder that defines a
// distribution asks here for its name, so that no two uses define one name:
// the part-attributes builder (thickness, offset and orientation
// distributions, uses of discrete fields), the material builder (field
// densities) and the discrete-fields builder. Held by the write's
// aif_ModelInfo and cleared with it at the start of every write.
//
// A name is given out once in the whole write, whatever the scope the
// distribution is filed in: a distribution's table is named after it
// ("NAME_Table") and every table lives at model level, so a name unique in
// the write keeps the tables apart as well. Names are compared without letter
// case, as the solver reads them. A second use of a taken name gets the first
// free of base-1, base-2, ...
//
// The names of the model's discrete fields are reserved for the uses of those
// fields: sections, orientations and densities name a discrete field's
// distribution by the field's name, so a distribution of another kind (an
// analytical field evaluated, a density, a name the writer makes up) never
// takes it, whichever builder asks first.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "BasShared/cow_String.h"

class aif_DistributionNames {
 public:
  // The name of the distribution of a recorded use of a discrete field: one
  // per field and column types, the same in every scope that uses it (owner
  // and users do not count). The first use asking takes the field's name
  // (reserved for it), a use of other column types the first free of
  // field-1, field-2, ...
  cow_String FieldUseName(const akw_DiscreteField& record);
  // The name of the use `key`: the one given to it before, else the first
  // free name of `base`, base-1, base-2, ... that is not reserved.
  cow_String NameOf(const std::string& key, const cow_String& base);
  // A name for a use of its own: the first free, unreserved of `base`,
  // base-1, ...
  cow_String NewName(const cow_String& base);
  // The name NewName would give now, not taken (for what is written without
  // a name, such as a "*Nodal Thickness").
  cow_String FreeName(const cow_String& base) const;
  // Keeps `name` for the uses of the discrete field of that name.
  void Reserve(const cow_String& name);
  // Whether a use holds `name` (letter case ignored).
  bool IsTaken(const cow_String& name) const;
  // Forgets every name and reservation.
  void Clear();
  // Whether Reserve was called since the last Clear.
  bool HasReservations() const { return reservationsMade_; }

  // The key of the density distribution of material `material`.
  static std::string DensityKey(const cow_String& material);

 private:
  cow_String Take(const std::string& key, const cow_String& base, bool mayTakeReserved);

  std::unordered_map<std::string, cow_String> byKey_;
  std::unordered_set<std::string> taken_;     // upper-cased
  std::unordered_set<std::string> reserved_;  // upper-cased
  bool reservationsMade_ = false;
};
