// The beam sections check: for each part that the active instances of the
// root assembly refer to (once per part), it reports beam sections on
// regions that no beam orientation covers, material orientations whose
// coordinate system no longer exists, beam sections whose profiles are
// missing from the model, and tapered sections whose two profiles differ in
// type. All findings are errors.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kut_Check.h"
#include "chk/impl/chk_Finding.h"

class kbpC_BeamProfile;
class kseC_Section;
class ptoK_Part;
template <class T>
class mdl_MapString2ObjCow;

class chk_BeamSectionsCheck : public kut_Check {
 public:
  chk_BeamSectionsCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_BeamSectionsCheck(const chk_BeamSectionsCheck& other);
  ~chk_BeamSectionsCheck() override;

  chk_BeamSectionsCheck* Clone() const override;
  // No assembly, or an out-of-date one: no finding.
  void Run() override;

 private:
  // The orientation finding of `part`; the part's missing profiles and
  // tapered mismatches are added to the two findings.
  void CheckSectionsOfPart(const ptoK_Part& part, const cow_String& partName,
                           const mdl_MapString2ObjCow<kseC_Section>& sections,
                           const mdl_MapString2ObjCow<kbpC_BeamProfile>& profiles,
                           chk_Finding& missingProfiles, chk_Finding& taperedMismatches);
  // The finding on material orientations of `part` that reference a missing
  // coordinate system on geometry no later valid orientation covers.
  void CheckMaterialOrientations(const ptoK_Part& part, const cow_String& partName);
};
