// The discrete-field records of the part-attribute steps: the uses of the
// model's discrete fields the steps register, and the distributions they
// make, filed with their "*Distribution Table" once per record. Used by the
// orientation, section, thickness and layup steps of aif_PartAttributesBuilder.
#pragma once

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class kfdC_DiscreteField;
class aif_PartAttributesFiler;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_DiscreteFieldRecords {
 public:
  aif_DiscreteFieldRecords(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // Records a use of discrete field `field` with column types `components`
  // by the instance of `scope`: one record per field, owner and column types,
  // its use count raised and the instance added to its users on each further
  // use. Returns the name of the use's distribution, as the write's
  // distribution-name registry gives it (the field's name, or it with "-1",
  // "-2" ... for a second use of other column types): the name a keyword
  // refers to it by.
  cow_String Register(const aif_InstanceScope& scope, const cow_String& field,
                      const cow_List<cow_String>& components);
  // The record of a distribution a step makes for the instance of `scope`:
  // owner and users by the part-level rule (part level: the part, with
  // `users`; else the instance alone), one column of each of `components`.
  static akw_DiscreteField Record(const aif_InstanceScope& scope, const cow_String& name,
                                  cow_List<cow_String> users,
                                  const cow_List<cow_String>& components);
  // Files the distribution of `field` for `record`: its "*Distribution
  // Table" in the model and the record in the model info unless an equal
  // record is there; "*Distribution" (or, with `nodal`, "*Nodal Thickness")
  // in the part (owner kind 0) or in every user instance.
  void File(const kfdC_DiscreteField& field, const akw_DiscreteField& record, bool nodal);
  // A distribution name of its own, from the write's distribution-name
  // registry: `base`, or `base` + "-" + n with the smallest n >= 1 that no
  // other use holds and no discrete field of the model is named.
  cow_String UniqueName(const cow_String& base) const;

 private:
  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
