// Whether a step's predefined fields carry ", op=NEW": per analysis step and
// per field kind (seventeen categories), set where a field of the kind is
// deactivated (status 4 or 15). The field builder fills one before it
// writes any field.
#pragma once

#include "aif/impl/core/aif_OpStatus.h"

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class kpfC_Field;

class aif_FieldOpStatus : public aif_OpStatus {
 public:
  static constexpr int kCategoryCount = 17;

  aif_FieldOpStatus() = default;
  aif_FieldOpStatus(const aif_FieldOpStatus&) = default;

  // The category of a predefined field kind: temperature 0, pressure stress
  // 1, mass flow rate 2, general field 3, velocity 4, stress 5, hardening 6,
  // 0x2ec002d 7, material assignment 8, fluid thermal energy 9, fluid
  // turbulence 10, fluid velocity 11, fluid density 12, geostatic stress 13,
  // saturation 14, voids ratio 15, pore pressure 16. Throws aif_Exception
  // "Unimplemented field->statusKey conversion" for any other type. `flag`
  // is not read.
  int StatusKey(unsigned typeId, bool& flag) const override;

  // Enters `steps` (the initial step first) with every category cleared,
  // then, from the second step on, marks the category of each unsuppressed
  // field of `fields` deactivated in the step (status 4 or 15), the status
  // the keywords take for a removal. Initial-state fields and plain fields
  // mark nothing.
  void BuildFieldOpStatus(const kprC_PropagatingContainer<kpfC_Field>& fields,
                          const cow_List<cow_String>& steps);
};
