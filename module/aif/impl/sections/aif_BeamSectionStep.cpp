#include "aif/impl/sections/aif_BeamSectionStep.h"

#include "ModKerLow/ptoC_BeamOrientation.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivGeom/gsl_Vector.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_BeamGeneralSection.h"
#include "aif/impl/sections/aif_BeamSection.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesFiler.h"
#include "aif/impl/sections/aif_PartAttributesState.h"
#include "aif/impl/sections/aif_SectionKinds.h"
#include "aif/impl/sections/aif_TransverseShear.h"

namespace {

constexpr const char* kBeamSectionStepFile = aif_PartAttributesState::kSourceFile;

}  // namespace

void aif_BeamSectionStep::Add(const aif_InstanceScope& scope, bool partLevel,
                              const cow_String& sectionName, const cow_String& setName,
                              const kseC_Section& section, int beamOrientation) {
  const aif_ModelInfo& info = state_.info;
  const auto& beam =
      nex_canDynamicCastRef<const kseC_BeamSection>(section, kBeamSectionStepFile, __LINE__);
  const auto& profiles = info.ModelAdapter().Profiles();
  if (!profiles.Contains(beam.profileName))
    nex_Exception::Throw(aif_Exception("The beam section " + sectionName + " names the profile " +
                                       beam.profileName + ", which the model does not define."),
                         kBeamSectionStepFile, __LINE__);
  const kbpC_BeamProfile& profile = profiles.ConstGet(beam.profileName);
  // A tapered section ends in its end profile however it is integrated (the
  // keyword refuses a tapered section without one).
  const kbpC_BeamProfile* endProfile = nullptr;
  if (beam.taper == 1 && profiles.Contains(beam.endProfileName))
    endProfile = &profiles.ConstGet(beam.endProfileName);
  cow_String comment = "Section: " + sectionName;
  if (beam.integration == 1 || beam.taper == 0)
    comment += "  Profile: " + beam.profileName;
  else if (beam.taper == 1)
    comment += "  Start Profile: " + beam.profileName + "  End Profile: " + beam.endProfileName;
  filer_.ToScope(scope, partLevel, aif_Comment(comment));

  gsl_Vector n1(0.0, 0.0, -1.0);
  if (beamOrientation >= 0) {
    const cow_List<const kern_Object*> orientations =
        aif_PartAttributesState::AttributesOf(*scope.part, aif_SectionKinds::kBeamOrientations);
    const auto& orientation = nex_canDynamicCastRef<const ptoC_BeamOrientation>(
        *orientations[static_cast<std::size_t>(beamOrientation)], kBeamSectionStepFile, __LINE__);
    const auto& d = orientation.FirstDirection();
    n1 = gsl_Vector(d[0], d[1], d[2]);
  }
  if (scope.flat) n1 = scope.transform.Rotate(n1);
  if (beam.integration == 0) {
    filer_.ToScope(
        scope, partLevel,
        aif_BeamGeneralSection(setName, section, n1.x, n1.y, n1.z, -1.0, &profile, endProfile));
  } else {
    filer_.ToScope(scope, partLevel,
                   aif_BeamSection(setName, section, n1.x, n1.y, n1.z, -1.0, &profile, endProfile));
    filer_.ToScope(scope, partLevel, aif_TransverseShear(beam.transverseShear));
  }
}
