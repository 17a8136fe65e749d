// "*Cohesive Section, elset=...": the section of cohesive elements, with its
// response, thickness mode and out-of-plane thickness. The part-attributes
// builder makes it per section assignment; the assembled-fastener builder
// makes it, without orientation and controls, for the parts it generates.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_CohesiveSection : public akw_Keyword {
 public:
  aif_CohesiveSection(cow_String elementSet, const kseC_Section& section, cow_String orientation,
                      cow_String controls);
  aif_CohesiveSection(const aif_CohesiveSection&) = default;

  akw_Keyword* Clone() const override { return new aif_CohesiveSection(*this); }
  // The keyword line (orientation, controls, material, response, thickness
  // options), then the data line: the thickness when it is specified, ", ",
  // and the out-of-plane thickness when it is set. A response outside 0 to 2
  // writes no response option. Throws aif_Exception "Unknown section type"
  // for a section that is not a cohesive section, before writing anything.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String controls_;
  cow_String orientation_;
  cow_String elementSet_;
  cow_ArrayCOW<kseC_Section> section_;
};
