// "*Clearance": the initial clearance of a surface-to-surface contact pair,
// a single value or a bolt's tabular data. The interaction builder makes one
// beside a pair's "*Contact Pair" (Standard: in the model definition;
// Explicit: in the first analysis step).
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kinC_ContactClearance.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_Clearance : public akw_Keyword {
 public:
  // Standard form for the surfaces named `master` and `slave` as written.
  // `clearance` is the pair's clearance data; `clearanceRegion` the name
  // heading the second bolt line (may be empty); `boltAxis` the bolt's datum
  // axis, or a datum naming nothing.
  aif_Clearance(const cow_COW<kinC_Interaction>& interaction, const kinC_ClearanceData& clearance,
                const cow_String& clearanceRegion, const dtmK_Datum& boltAxis,
                const cow_String& master, const cow_String& slave);
  // Explicit form for the contact pair set `cpset` (written printable).
  aif_Clearance(const cow_COW<kinC_Interaction>& interaction, const kinC_ClearanceData& clearance,
                const cow_String& clearanceRegion, const dtmK_Datum& boltAxis,
                const cow_String& cpset);
  aif_Clearance(const aif_Clearance&) = default;

  akw_Keyword* Clone() const override { return new aif_Clearance(*this); }
  // Nothing for an empty handle or clearance type 0. Otherwise the keyword
  // line with ", value=" (type 2) or ", bolt, tabular" and two data lines
  // (type 1): the four bolt values (an unset one left blank), then the
  // region, the clearance value (unless unset) and, for a bolt axis that is
  // a datum axis, its origin and the origin moved along its direction.
  // An interaction that is not a surface-to-surface contact fails its type
  // test before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteBoltLines(utl_Stream& stream) const;

  cow_COW<kinC_Interaction> interaction_;
  kinC_ClearanceData clearance_;
  cow_String clearanceRegion_;
  cow_String master_;
  cow_String slave_;
  cow_String cpset_;
  dtmK_Datum boltAxis_;
};
