// "*Surface Section, elset=...": the section of surface elements, with its
// density and its rebar layers. The part-attributes builder makes it per
// section assignment.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_SurfaceSection : public akw_Keyword {
 public:
  // `rebarOrientation`: the orientation of the rebar layers, or empty.
  aif_SurfaceSection(cow_String elementSet, const kseC_Section& section,
                     cow_String rebarOrientation);
  aif_SurfaceSection(const aif_SurfaceSection&) = default;

  akw_Keyword* Clone() const override { return new aif_SurfaceSection(*this); }
  // "*Surface Section, elset=SET" with ", density=" when the section gives
  // one; no data line; then the "*Rebar Layer" keywords of the section's
  // rebar. Fails the type test (nex_TextException) for a section that is not
  // a surface section, before writing anything.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String elementSet_;
  cow_String rebarOrientation_;
  cow_ArrayCOW<kseC_Section> section_;
};
