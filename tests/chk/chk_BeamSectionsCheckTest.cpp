#include "chk/impl/chk_BeamSectionsCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <memory>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

std::string BeamOrientationError(const std::string& part, const std::string& lines) {
  return "Regions of the part \"" + part + "\" have not \nbeen assigned a beam orientation.\n" +
         lines + "\nUse \"Assign->Beam Orientation\" in the\nProperty module to assign a beam " +
         "orientation.";
}

std::string MaterialOrientationError(const std::string& part, const std::string& lines) {
  return "On " + part +
         ", the material orientations reference a missing\nCSYS on the following regions:\n" +
         lines +
         "Use Tool->Datum to create a new CSYS and reference it using\nAssign->Material "
         "Orientation in the Property Module.";
}

const char* const kMissingProfilesHeader =
    "Beam sections reference the following profiles\nwhich cannot be found in the current "
    "model:\n";
const char* const kTaperedHeader =
    "The following tapered beam sections reference \nnon-matching profile types:\n";

kseC_BeamSection BeamSection(const char* profile, const char* endProfile = nullptr) {
  kseC_BeamSection section;
  section.profileName = profile;
  if (endProfile) {
    section.taper = 1;
    section.endProfileName = endProfile;
  }
  return section;
}

ptoC_SectionAssignment BeamAssignment(const rgnC_Region& region, const char* section,
                                      bool suppressed = false) {
  ptoC_SectionAssignment assignment(region, section);
  assignment.SetSuppressed(suppressed);
  return assignment;
}

// A region of part `part` with `clashes` stored as (other region, type).
rgnC_Region BeamRegion(const char* name,
                       std::initializer_list<std::pair<const char*, int>> clashes = {}) {
  rgnC_Region region(name, {"Frame"});
  for (const auto& [other, type] : clashes)
    region.SetKernelClash(other, type);
  return region;
}

ptoC_MaterialOrientation MaterialOrientation(const char* region,
                                             std::initializer_list<int> elements,
                                             const char* datum) {
  rgnC_Region geometry(region, {"Plate"});
  geometry.SetKernelElementIndices(1, cow_List<int>(elements));
  ptoC_MaterialOrientation orientation;
  orientation.SetRegion(geometry);
  orientation.SetDefinitionKind(ptoC_MaterialOrientation::kDatum);
  if (datum) orientation.SetDatumRef(dtmC_DatumRef{{}, datum});
  return orientation;
}

std::vector<std::string> BeamErrors(const hst_ModelBuilder& b) {
  chk_BeamSectionsCheck check(b.Model(), "Beam-Model");
  check.Run();
  std::vector<std::string> texts = chk_test::Texts(check.Errors());
  EXPECT_TRUE(check.Warnings().IsEmpty());
  std::unique_ptr<chk_BeamSectionsCheck> clone(check.Clone());
  EXPECT_EQ(check.Errors().Length(), clone->Errors().Length());
  bas_Basis::Instance().Fetch().RemoveModel("Beam-Model");
  return texts;
}

}  // namespace

TEST(chk_BeamSectionsCheckTest, BeamSectionsWithoutOrientation) {
  hst_ModelBuilder b("Beam-Model");
  b.AddProfile("P-Box", kbpC_BoxProfile());
  b.AddSection("Beam-A", BeamSection("P-Box"));
  b.AddSection("Beam-B", BeamSection("P-Box"));
  b.AddSection("Solid-1", kseC_HomogenousSolidSection());
  b.AddPart("Frame");
  // Covered: the same region (clash 0), and a clash of another type (1).
  b.AddPartAttribute("Frame", BeamAssignment(BeamRegion("Top"), "Beam-A"));
  b.AddPartAttribute("Frame",
                     BeamAssignment(BeamRegion("Diag", {{"Top", 4}, {"Edge", 1}}), "Beam-A"));
  // Touching (4) or apart (5) from every orientation: reported.
  b.AddPartAttribute("Frame",
                     BeamAssignment(BeamRegion("Side", {{"Top", 4}, {"Edge", 5}}), "Beam-A"));
  rgnC_Region picked = BeamRegion("", {{"Top", 5}, {"Edge", 4}});
  picked.SetPicked(true);
  b.AddPartAttribute("Frame", BeamAssignment(picked, "Beam-B"));
  // Not examined: a suppressed assignment, a solid section, a missing one.
  b.AddPartAttribute(
      "Frame", BeamAssignment(BeamRegion("Hidden", {{"Top", 4}, {"Edge", 4}}), "Beam-A", true));
  b.AddPartAttribute("Frame",
                     BeamAssignment(BeamRegion("Body", {{"Top", 4}, {"Edge", 4}}), "Solid-1"));
  b.AddPartAttribute("Frame",
                     BeamAssignment(BeamRegion("Lost", {{"Top", 4}, {"Edge", 4}}), "Ghost"));
  b.AddPartAttribute("Frame", ptoC_BeamOrientation(BeamRegion("Top"), {0.0, 0.0, 1.0}));
  b.AddPartAttribute("Frame", ptoC_BeamOrientation(BeamRegion("Edge"), {0.0, 1.0, 0.0}));
  // A part without orientations, once with an active and once with an
  // inactive instance only.
  b.AddPart("Rod");
  b.AddPartAttribute("Rod", BeamAssignment(rgnC_Region("Axis", {"Rod"}), "Beam-A"));
  b.AddPart("Spare");
  b.AddPartAttribute("Spare", BeamAssignment(rgnC_Region("Axis", {"Spare"}), "Beam-A"));
  // Two instances of Frame: examined once, under the part's name.
  b.AddInstance("Frame-1", "Frame");
  hst_ModelBuilder::InstanceOptions inactive;
  inactive.active = false;
  b.AddInstance("Spare-1", "Spare", inactive);
  b.AddInstance("Rod-1", "Rod");
  b.AddInstance("Frame-2", "Frame");
  const std::vector<std::string> expected{
      BeamOrientationError("Frame", "Beam-A : Side\nBeam-B : (Picked)\n"),
      BeamOrientationError("Rod", "Beam-A : Axis\n")};
  EXPECT_EQ(expected, BeamErrors(b));

  // No finding for an out-of-date assembly, nor without an assembly.
  b.Assembly().SetOutOfDate(true);
  EXPECT_TRUE(BeamErrors(b).empty());
  b.Assembly().SetOutOfDate(false);
  b.WithoutAssembly();
  EXPECT_TRUE(BeamErrors(b).empty());
}

TEST(chk_BeamSectionsCheckTest, MissingAndMismatchedProfiles) {
  hst_ModelBuilder b("Beam-Model");
  b.AddProfile("P-Box", kbpC_BoxProfile());
  b.AddProfile("P-Box2", kbpC_BoxProfile());
  b.AddProfile("P-Pipe", kbpC_PipeProfile());
  b.AddSection("S1", BeamSection("P-Missing"));
  b.AddSection("S2", BeamSection("P-Gone", "P-Gone"));  // both missing, one name
  b.AddSection("S3", BeamSection("P-X", "P-Y"));        // both missing
  b.AddSection("S4", BeamSection("P-Box", "P-Z"));      // end missing: no type test
  b.AddSection("S5", BeamSection("P-W", "P-Box"));      // start missing: no type test
  b.AddSection("S6", BeamSection("P-Box", "P-Pipe"));   // two types
  b.AddSection("S7", BeamSection("P-Box", "P-Box2"));   // one type
  b.AddSection("S8", BeamSection("P-Pipe"));            // untapered, found
  b.AddPart("Frame");
  for (const char* section : {"S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8", "S1"})
    b.AddPartAttribute("Frame", BeamAssignment(BeamRegion(section), section));
  // A suppressed assignment of a section with a missing profile.
  b.AddSection("S9", BeamSection("P-Suppressed"));
  b.AddPartAttribute("Frame", BeamAssignment(BeamRegion("S9"), "S9", true));
  // One orientation covers them all (clash 2: the stand-in's "apart").
  b.AddPartAttribute("Frame", ptoC_BeamOrientation(BeamRegion("All"), {0.0, 0.0, 1.0}));
  b.AddInstance("Frame-1", "Frame");
  const std::vector<std::string> expected{
      std::string(kMissingProfilesHeader) +
          "  P-Missing\n  P-Gone\n  P-X\n  P-Y\n  P-Z\n  P-W\n  P-Missing\n",
      std::string(kTaperedHeader) + "  S6 with types Box and Pipe\n"};
  EXPECT_EQ(expected, BeamErrors(b));

  // Found, untapered profiles only: nothing.
  hst_ModelBuilder found("Beam-Model");
  found.AddProfile("P-Pipe", kbpC_PipeProfile());
  found.AddSection("S8", BeamSection("P-Pipe"));
  found.AddPart("Frame");
  found.AddPartAttribute("Frame", BeamAssignment(BeamRegion("S8"), "S8"));
  found.AddPartAttribute("Frame", ptoC_BeamOrientation(BeamRegion("S8"), {0.0, 0.0, 1.0}));
  found.AddInstance("Frame-1", "Frame");
  EXPECT_TRUE(BeamErrors(found).empty());
}

TEST(chk_BeamSectionsCheckTest, MaterialOrientationsCoveredFromLastToFirst) {
  hst_ModelBuilder b("Beam-Model");
  b.AddSection("Beam-A", BeamSection("P-None"));
  b.AddPart("Plate");
  dtu_DatumCsys csys;
  csys.SetName("Csys-P");
  csys.SetId(900);
  b.MutablePart("Plate").FeatureList().Add(csys);
  // Walked from the last: Lip (missing system) is reported; All (valid)
  // covers elements 0 to 2; Flange (no system) covers 3, so Edge and Web
  // (missing) lie wholly under later ones; Mixed (missing) is only partly covered.
  b.AddPartAttribute("Plate", MaterialOrientation("Mixed", {2, 6}, "Gone"));
  b.AddPartAttribute("Plate", MaterialOrientation("Web", {0, 1}, "Gone"));
  b.AddPartAttribute("Plate", MaterialOrientation("Edge", {3}, "Gone"));
  b.AddPartAttribute("Plate", MaterialOrientation("Flange", {3}, nullptr));
  b.AddPartAttribute("Plate", MaterialOrientation("All", {0, 1, 2}, "Csys-P"));
  b.AddPartAttribute("Plate", MaterialOrientation("Lip", {5}, "Gone"));
  b.AddPartAttribute("Plate", BeamAssignment(rgnC_Region("Stiffener", {"Plate"}), "Beam-A"));
  b.AddPart("Other");
  b.AddPartAttribute("Other", BeamAssignment(rgnC_Region("Rib", {"Other"}), "Beam-A"));
  b.AddInstance("Plate-1", "Plate");
  b.AddInstance("Other-1", "Other");
  // Per part its orientation findings, then the profiles of all parts.
  const std::vector<std::string> expected{
      BeamOrientationError("Plate", "Beam-A : Stiffener\n"),
      MaterialOrientationError("Plate", "           Lip\n           Mixed\n"),
      BeamOrientationError("Other", "Beam-A : Rib\n"),
      std::string(kMissingProfilesHeader) + "  P-None\n  P-None\n"};
  EXPECT_EQ(expected, BeamErrors(b));
}

TEST(chk_BeamSectionsCheckTest, FailedTypeTestPassesOutOfRun) {
  // A section repository of another class.
  hst_ModelBuilder b("Beam-Model");
  b.AddPart("Frame");
  b.AddInstance("Frame-1", "Frame");
  b.MutableModel().SetExtension(bas_NewModel::sectionCmd,
                                std::make_shared<mdl_MapString2ObjCow<kbpC_BeamProfile>>());
  chk_BeamSectionsCheck check(b.Model(), "Beam-Model");
  EXPECT_THROW(check.Run(), nex_Exception);
  EXPECT_TRUE(check.Errors().IsEmpty());
  bas_Basis::Instance().Fetch().RemoveModel("Beam-Model");
}
