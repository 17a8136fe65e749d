// "*Interface, elset=...": the section of acoustic interface elements, with
// its one value on the data line. The part-attributes builder makes it per
// section assignment.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_InterfaceSection : public akw_Keyword {
 public:
  // `secondName` is kept but not written.
  aif_InterfaceSection(cow_String elementSet, cow_String secondName, const kseC_Section& section);
  aif_InterfaceSection(const aif_InterfaceSection&) = default;

  akw_Keyword* Clone() const override { return new aif_InterfaceSection(*this); }
  // "*Interface, elset=SET" and the section's value as the data line. Throws
  // aif_Exception "Unknown acoustic interface section type" for another
  // kind of section, before writing anything.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String elementSet_;
  cow_String secondName_;
  cow_ArrayCOW<kseC_Section> section_;
};
