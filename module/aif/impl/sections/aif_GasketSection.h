// "*Gasket Section, elset=...": the section of gasket elements, naming its
// material or its gasket behaviour, with the stabilization stiffness and the
// data line of the section's four values. The part-attributes builder makes
// it per section assignment.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_GasketSection : public akw_Keyword {
 public:
  // `behavior`: the section's name is a gasket behaviour (its material has
  // gasket behaviours set) and is written after "behavior=".
  aif_GasketSection(cow_String elementSet, const kseC_Section& section, bool behavior,
                    cow_String orientation);
  aif_GasketSection(const aif_GasketSection&) = default;

  akw_Keyword* Clone() const override { return new aif_GasketSection(*this); }
  // The keyword line (going on on the next line after the comma that passes
  // the break column, or before an option that would take it past 256
  // characters), then the data line "G3, G2, G4, G1" with a single blank
  // in place of an unset G3. Writes nothing for a section that is not a
  // gasket section.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String elementSet_;
  cow_ArrayCOW<kseC_Section> section_;
  bool behavior_;
  cow_String orientation_;
};
