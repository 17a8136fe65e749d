#include "chk/impl/chk_BeamSectionsCheck.h"

#include <string>
#include <vector>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kbpC_BeamProfileLabelMap.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omi_Singleton.h"
#include "aif/impl/core/aif_Model.h"

namespace {

const char* const kBeamSectionsCheckFile = "module/chk/impl/chk_BeamSectionsCheck.cpp";

// Clash types of two regions that leave a beam section uncovered: the
// orientation's region only touches the section's region, or lies apart.
constexpr int kBeamClashTouching = 4;
constexpr int kBeamClashApart = 5;

// The attributes of `part` of type T, in list order.
template <class T>
std::vector<const T*> BeamSectionsAttributes(const ptoK_Part& part) {
  std::vector<const T*> found;
  for (const cow_COW<kern_Object>& attribute : part.Attributes())
    if (attribute->DynTypeId() == T::TypeId())
      found.push_back(
          &nex_canDynamicCastRef<const T>(*attribute, kBeamSectionsCheckFile, __LINE__));
  return found;
}

// The beam section an assignment takes, or null when it is suppressed, or
// its section is missing or no beam section.
const kseC_BeamSection* BeamSectionOf(const ptoC_SectionAssignment& assignment,
                                      const mdl_MapString2ObjCow<kseC_Section>& sections) {
  if (assignment.IsSuppressed() || !sections.Contains(assignment.SectionName())) return nullptr;
  const kseC_Section& section = sections.ConstGet(assignment.SectionName());
  if (section.DynTypeId() != kseC_BeamSection::TypeId()) return nullptr;
  return &nex_canDynamicCastRef<const kseC_BeamSection>(section, kBeamSectionsCheckFile, __LINE__);
}

}  // namespace

chk_BeamSectionsCheck::chk_BeamSectionsCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_BeamSectionsCheck::chk_BeamSectionsCheck(const chk_BeamSectionsCheck& other) = default;

chk_BeamSectionsCheck::~chk_BeamSectionsCheck() = default;

chk_BeamSectionsCheck* chk_BeamSectionsCheck::Clone() const {
  return new chk_BeamSectionsCheck(*this);
}

void chk_BeamSectionsCheck::Run() {
  const aif_Model model(Model(), ModelName());
  const mdl_IDRepository<asoK_Assembly>& assemblies = model.Assemblies();
  if (!assemblies.Contains("Assembly")) return;
  const asoK_Assembly& assembly = assemblies.ConstGet("Assembly");
  if (assembly.IsOutOfDate()) return;

  const mdl_MapString2ObjCow<kseC_Section>& sections = model.Sections();
  const mdl_MapString2ObjCow<kbpC_BeamProfile>& profiles = model.Profiles();
  chk_Finding missingProfiles(
      "Beam sections reference the following profiles\nwhich cannot be found in the current "
      "model:\n",
      chk_LineForm::kTwoBlanks);
  chk_Finding taperedMismatches(
      "The following tapered beam sections reference \nnon-matching profile types:\n",
      chk_LineForm::kTwoBlanks);

  // Each part once, in the order of its first active instance.
  cow_List<cow_String> visited;
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance) continue;
    const cow_String& partName = instance->GetPartName();
    if (visited.IsMember(partName)) continue;
    visited.Append(partName);
    const ptoK_Part& part = asoK_Assembly::GetOriginalPart(*instance);
    CheckSectionsOfPart(part, partName, sections, profiles, missingProfiles, taperedMismatches);
    CheckMaterialOrientations(part, partName);
  }
  missingProfiles.AppendTo(ErrorList());
  taperedMismatches.AppendTo(ErrorList());
}

void chk_BeamSectionsCheck::CheckSectionsOfPart(
    const ptoK_Part& part, const cow_String& partName,
    const mdl_MapString2ObjCow<kseC_Section>& sections,
    const mdl_MapString2ObjCow<kbpC_BeamProfile>& profiles, chk_Finding& missingProfiles,
    chk_Finding& taperedMismatches) {
  const std::vector<const ptoC_SectionAssignment*> assignments =
      BeamSectionsAttributes<ptoC_SectionAssignment>(part);
  const std::vector<const ptoC_BeamOrientation*> orientations =
      BeamSectionsAttributes<ptoC_BeamOrientation>(part);

  // Beam sections on regions without a beam orientation.
  std::string lines;
  for (const ptoC_SectionAssignment* assignment : assignments) {
    if (!BeamSectionOf(*assignment, sections)) continue;
    const rgnK_Region assigned(&part, ModelName(), assignment->RegionRef());
    bool covered = false;
    for (const ptoC_BeamOrientation* orientation : orientations) {
      const int clash = assigned.Clash(rgnK_Region(&part, ModelName(), orientation->Region()));
      if (clash != kBeamClashTouching && clash != kBeamClashApart) {
        covered = true;
        break;
      }
    }
    if (covered) continue;
    const rgnC_Region& region = assignment->RegionRef();
    lines += assignment->SectionName().Str() + " : " +
             (region.IsPicked() ? std::string("(Picked)") : region.Name().Str()) + "\n";
  }
  if (!lines.empty())
    ErrorList().Append(atr_TranslateFormat(
        "Regions of the part \"%1$s\" have not \nbeen assigned a beam orientation.\n%2$s\nUse "
        "\"Assign->Beam Orientation\" in the\nProperty module to assign a beam orientation.",
        partName, cow_String(lines)));

  // Profiles missing from the model, and tapered sections between profiles
  // of two types.
  const kbpC_BeamProfileLabelMap& labels = omi_Singleton<kbpC_BeamProfileLabelMap>::Instance();
  for (const ptoC_SectionAssignment* assignment : assignments) {
    const kseC_BeamSection* section = BeamSectionOf(*assignment, sections);
    if (!section) continue;
    const bool hasFirst = profiles.Contains(section->profileName);
    if (!hasFirst) missingProfiles.Add(section->profileName);
    if (section->taper != 1) continue;
    const bool hasSecond = profiles.Contains(section->endProfileName);
    if (!hasSecond && section->endProfileName != section->profileName) {
      missingProfiles.Add(section->endProfileName);
      continue;
    }
    if (!hasFirst || !hasSecond) continue;
    const unsigned firstType = profiles.ConstGet(section->profileName).DynTypeId();
    const unsigned secondType = profiles.ConstGet(section->endProfileName).DynTypeId();
    if (firstType != secondType)
      taperedMismatches.Add(atr_TranslateFormat3("%s with types %s and %s",
                                                 assignment->SectionName(), labels.Label(firstType),
                                                 labels.Label(secondType)));
  }
}

void chk_BeamSectionsCheck::CheckMaterialOrientations(const ptoK_Part& part,
                                                      const cow_String& partName) {
  const std::vector<const ptoC_MaterialOrientation*> orientations =
      BeamSectionsAttributes<ptoC_MaterialOrientation>(part);
  // A later orientation wins over an earlier one on the same geometry: walk
  // from the last, keeping the geometry that valid orientations cover.
  gdy_CompositeHitSet covered;
  std::string text;
  for (auto it = orientations.rbegin(); it != orientations.rend(); ++it) {
    const ptoC_MaterialOrientation& orientation = **it;
    gdy_CompositeHitSet geometry;
    rgnK_Region(&part, ModelName(), orientation.Region())
        .GetCompositeHits(geometry, true, true, false, true, false);
    const dtmC_DatumRef& system = orientation.DatumRef();
    if (system.IsNullRef() || dtmK_Datum(&part, ModelName(), system).IsValid()) {
      covered.AddCompositeHitSet(geometry);
      continue;
    }
    if (covered.ContainsCompositeHitSet(geometry)) continue;
    text += "           " + orientation.Region().Name().Str() + "\n";
  }
  if (!text.empty())
    ErrorList().Append(atr_TranslateFormat(
        "On %1$s, the material orientations reference a missing\nCSYS on the following "
        "regions:\n%2$sUse Tool->Datum to create a new CSYS and reference it "
        "using\nAssign->Material "
        "Orientation in the Property Module.",
        partName, cow_String(text)));
}
