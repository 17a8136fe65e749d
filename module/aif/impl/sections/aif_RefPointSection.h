// "*Solid Section, elset=..." for reference-point elements: the PEG and the
// acoustic infinite sections, naming their reference node. The
// part-attributes builder makes it per section assignment, with the owner's
// reference-point node set as the reference node.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_RefPointSection : public akw_Keyword {
 public:
  aif_RefPointSection(cow_String elementSet, const kseC_Section& section, cow_String orientation,
                      cow_String controls, cow_String refNode);
  aif_RefPointSection(const aif_RefPointSection&) = default;

  akw_Keyword* Clone() const override { return new aif_RefPointSection(*this); }
  // PEG: the keyword line with material and ref node, then "v1, ", "v2, "
  // when v2 or v3 is not 0, and v3 when it is not 0. Acoustic infinite: the
  // keyword line with material, ref node and order, then "value, ". Throws
  // aif_Exception "Unknown section type" for another kind of section, before
  // writing anything.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String controls_;
  cow_String orientation_;
  cow_String elementSet_;
  cow_ArrayCOW<kseC_Section> section_;
  cow_String refNode_;
};
