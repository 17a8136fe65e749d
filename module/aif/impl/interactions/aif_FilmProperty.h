// "*Film Property, name=": the film coefficient table of a film condition
// property. The interaction-property pass files one per film condition
// property, in the model definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class utl_Stream;

class aif_FilmProperty : public akw_Keyword {
 public:
  // `property` (copied) must be a kinC_FilmConditionProp; it is tested when
  // written. `name` is the property's name.
  aif_FilmProperty(cow_String name, const kinC_InteractionProperty& property);
  aif_FilmProperty(const aif_FilmProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_FilmProperty(*this); }
  // "*Film Property, name=NAME", ", dependencies=N" behind an optional line
  // break when the table has dependencies, then the table's rows. Throws the
  // type test's exception, writing nothing, for another property class.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kinC_InteractionProperty> property_;
};

// The rows of a film or emissivity table: each row's values joined by ", ",
// eight to a line, the last line of a row ended without a separator. With
// `secondColumn` false an empty field (", , ") stands before the row's second
// value; it does not count towards the eight.
void aif_WriteFilmTableRows(utl_Stream& stream, const cow_2DArray<double>& table,
                            bool secondColumn);
