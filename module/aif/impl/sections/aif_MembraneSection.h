// "*Membrane Section, elset=...": the section of membrane elements, with its
// thickness (a number, or a distribution for a thickness given by a field),
// Poisson ratio and rebar layers. The part-attributes builder makes it per
// section assignment.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class akw_ModelInfo;

class aif_MembraneSection : public akw_Keyword {
 public:
  // `thicknessDistribution`: the distribution of a field thickness, or empty
  // to name the section's thickness field. `info` must outlive the keyword;
  // it may be null, which counts as a part-based file.
  aif_MembraneSection(cow_String elementSet, const kseC_Section& section, cow_String orientation,
                      cow_String rebarOrientation, cow_String controls,
                      cow_String thicknessDistribution, const akw_ModelInfo* info);
  aif_MembraneSection(const aif_MembraneSection&) = default;

  akw_Keyword* Clone() const override { return new aif_MembraneSection(*this); }
  // The keyword line; for a thickness given by a field ", membrane
  // thickness=" and the distribution, or the section's field name, which a
  // flat file prefixes with "PREFIX_" when a prefix is set (the name of the
  // field's distribution there). Then the data line "THICKNESS, " (1. for a
  // field thickness) and the "*Rebar Layer" keywords of the section's rebar.
  // Fails the type test (nex_TextException) for a section that is not a
  // membrane section, before writing anything.
  void Write(utl_Stream& stream) const override;

  // The owner (instance) name that names the field's distribution in a flat
  // file; empty after construction.
  void SetNamePrefix(const cow_String& prefix) { namePrefix_ = prefix; }

 private:
  cow_String controls_;
  cow_String orientation_;
  cow_String namePrefix_;
  cow_String thicknessDistribution_;
  cow_String rebarOrientation_;
  cow_String elementSet_;
  cow_ArrayCOW<kseC_Section> section_;
  const akw_ModelInfo* info_;
};
