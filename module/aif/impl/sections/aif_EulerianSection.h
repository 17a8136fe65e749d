// "*Eulerian Section, elset=...": the materials of an Eulerian section, one
// data line per material instance. The part-attributes builder makes it per
// Eulerian section assignment.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class akw_ModelInfo;

class aif_EulerianSection : public akw_Keyword {
 public:
  // `namePrefix`: in a flat file the material instances are named after it
  // (the owner's name). `info` must outlive the keyword; it may be null,
  // which counts as a part-based file.
  aif_EulerianSection(cow_String elementSet, const kseC_Section& section, cow_String orientation,
                      cow_String controls, cow_String namePrefix, const akw_ModelInfo* info);
  aif_EulerianSection(const aif_EulerianSection&) = default;

  akw_Keyword* Clone() const override { return new aif_EulerianSection(*this); }
  // The keyword line (controls before orientation), then per material
  // instance, in ascending order of its name: "MATERIAL, INSTANCE", both
  // printable. In a flat file the instance is "PREFIX.INSTANCE" with every
  // "." turned into "_" ("P", "m.1" -> "P_m_1"; without a prefix "m_1").
  // Throws aif_Exception "Not a Eulerian section type" for another kind of
  // section, before writing anything.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String controls_;
  cow_String orientation_;
  cow_String elementSet_;
  cow_String namePrefix_;
  cow_ArrayCOW<kseC_Section> section_;
  const akw_ModelInfo* info_;
};
