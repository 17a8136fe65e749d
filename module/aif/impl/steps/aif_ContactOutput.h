// "*Contact Output": the contact variables of an output request, for a
// contact pair (its main and secondary surfaces), a general contact or
// contact pair set, or a region. Made by the output request builder after the
// request's "*Output" keyword.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_Output.h"

class aif_ContactOutput : public akw_Keyword {
 public:
  // `mainSurface`, `secondarySurface`: the surfaces of a contact pair;
  // `pairSet`: the contact pair set (an interaction's name); `regionName`:
  // the request's region; `useRegion`: name the region in explicit
  // procedures too. Empty names are left out.
  aif_ContactOutput(const korC_OdbRequest& request, unsigned procedure, bool preselect, bool all,
                    const cow_String& mainSurface, const cow_String& secondarySurface,
                    const cow_String& pairSet, const cow_String& regionName, bool useRegion);
  aif_ContactOutput(const aif_ContactOutput&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactOutput(*this); }
  // Nothing when the request names no contact variable and asks for neither
  // the preselected nor all variables. Otherwise "*Contact Output"; ",
  // nset=" and the region name (a region that is not a surface); ",
  // master=", ", slave=" and the surfaces; ", cpset=" and the pair set; ",
  // surface=" and the region name (a surface region); the region only where
  // it is named and the procedure is not explicit or `useRegion` is set;
  // every name printable. Then ", variable=PRESELECT", ", variable=ALL" or
  // the contact variables sixteen a line.
  void Write(utl_Stream& stream) const override;
  // Whether Write writes nothing.
  bool IsEmpty() const override;

  // The bit of a region's kind word that marks a surface.
  static constexpr int kSurfaceKind = 1 << 3;

 private:
  // The contact variables of the request, as written.
  cow_List<cow_String> Names() const;

  korC_OdbRequest request_;
  unsigned procedure_;
  bool preselect_;
  bool all_;
  cow_String mainSurface_;
  cow_String secondarySurface_;
  cow_String pairSet_;
  cow_String regionName_;
  bool useRegion_;
};
