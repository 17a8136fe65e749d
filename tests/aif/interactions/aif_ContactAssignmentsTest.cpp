// The assignment keywords of general contact written on their own: the
// inclusion flags and the whole-model form, surface property values by kind,
// initializations, and the geometric corrections of two- and
// three-dimensional models.
#include <string>

#include "OdbAttrEO/kinC_GeneralContact.h"
#include "aif/impl/interactions/aif_ContactInclusionsExclusions.h"
#include "aif/impl/interactions/aif_InitializationAssignments.h"
#include "aif/impl/interactions/aif_SmoothingAssignments.h"
#include "aif/impl/interactions/aif_SurfacePropertyAssignments.h"
#include "aif/interactions/aif_GeneralContactTestModel.h"

namespace {

using aif_gc_test::GcLines;
using aif_gc_test::GcPair;
using aif_test::KeywordText;
using aif_test::ThrownText;

TEST(aif_ContactAssignmentsTest, InclusionsOfTheWholeModelAndPairsThatApply) {
  const hst_ModelBuilder b = aif_gc_test::GcModel();
  const aif_gc_test::GcContext context(b, false);
  kinC_ContactExp contact;
  contact.inclusions = {GcPair("Top", "Bottom"), GcPair("Side", "Top"), GcPair("Rim", "Top")};
  contact.exclusions = {GcPair("Top", "Side")};
  kinC_ContactExpState state;
  // The second inclusion is carried over, the third is switched off.
  state.inclusions = {{true, 1}, {true, 2}, {false, 1}};
  state.exclusions = {{true, 1}};
  contact.SetState("Step-1", 1, state);
  const cow_COW<kinC_Interaction> pairs(contact);
  EXPECT_EQ(KeywordText(aif_ContactInclusionsExclusions(pairs, "Step-1", *context.info, true)),
            GcLines({"*Contact Inclusions", "Block-1.Top , Block-1.Bottom",
                     "Block-1.Side , Block-1.Top"}));

  // Contact of the whole model: the one line, whatever pairs are set;
  // exclusions are written as ever.
  state.SetWholeModel(true);
  contact.SetState("Step-1", 1, state);
  const cow_COW<kinC_Interaction> whole(contact);
  EXPECT_EQ(KeywordText(aif_ContactInclusionsExclusions(whole, "Step-1", *context.info, true)),
            "*Contact Inclusions, ALL EXTERIOR\n");

  // Any other interaction fails the type test.
  const std::string error = ThrownText(aif_ContactInclusionsExclusions(
      cow_COW<kinC_Interaction>(kinC_Interaction{}), "Step-1", *context.info, true));
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      error, "kinC_ContactExp", "module/aif/impl/interactions/aif_ContactInclusionsExclusions.cpp"))
      << error;
  EXPECT_EQ(KeywordText(aif_ContactInclusionsExclusions(whole, "Step-1", *context.info, false)),
            GcLines({"*Contact Exclusions", "Block-1.Top , Block-1.Side"}));
}

TEST(aif_ContactAssignmentsTest, SurfacePropertiesByKind) {
  const hst_ModelBuilder b = aif_gc_test::GcModel();
  const aif_gc_test::GcContext context(b, false);
  kinC_ContactExp contact;
  contact.thicknessRegions = {GcPair("A", "A"), GcPair("B", "B"), GcPair("C", "C"),
                              GcPair("D", "D"), GcPair("E", "E")};
  contact.offsetRegions = {GcPair("A", "A"), GcPair("B", "B"), GcPair("C", "C"), GcPair("D", "D")};
  contact.featureRegions = {GcPair("A", "A"), GcPair("B", "B"), GcPair("C", "C")};
  kinC_ContactExpState state;
  state.thicknesses = {{kinC_SurfThick{0, 9.0, 1.0}, 1},
                       {kinC_SurfThick{1, 9.0, 0.5}, 2},
                       {kinC_SurfThick{3, 9.0, 1.0}, 1},
                       {kinC_SurfThick{2, 0.25, 2.0}, 1},
                       {kinC_SurfThick{2, 7.0, 1.0}, 0}};
  state.offsets = {{kinC_SurfOffset{0, 9.0}, 1},
                   {kinC_SurfOffset{1, 9.0}, 1},
                   {kinC_SurfOffset{2, 9.0}, 1},
                   {kinC_SurfOffset{3, -0.5}, 1}};
  state.features = {
      {kinC_SurfFeature{0, 9.0}, 1}, {kinC_SurfFeature{1, 9.0}, 1}, {kinC_SurfFeature{2, 20.0}, 1}};
  contact.SetState("Step-1", 1, state);
  EXPECT_EQ(
      KeywordText(aif_SurfacePropertyAssignments(cow_COW<kinC_Interaction>(contact), "Step-1",
                                                 *context.info)),
      GcLines({"*Surface Property Assignment, property=THICKNESS", "Block-1.A , ORIGINAL , 1.",
               "Block-1.B , THINNING , 0.5", "Block-1.C , THINNING , 1.", "Block-1.D , 0.25 , 2.",
               "*Surface Property Assignment, property=OFFSET FRACTION", "Block-1.A , ORIGINAL",
               "Block-1.B , SPOS", "Block-1.C , SNEG", "Block-1.D , -0.5",
               "*Surface Property Assignment, property=FEATURE EDGE CRITERIA",
               "Block-1.A , PERIMETER EDGES", "Block-1.B , NO FEATURE EDGES", "Block-1.C , 20."}));

  // Only the offsets set: the other two keywords stay out.
  kinC_ContactExpState offsetsOnly;
  offsetsOnly.thicknesses = {{kinC_SurfThick{}, 0}};
  offsetsOnly.offsets = {{kinC_SurfOffset{2, 0.0}, 0}, {kinC_SurfOffset{1, 0.0}, 2}};
  contact.SetState("Step-2", 2, offsetsOnly);
  EXPECT_EQ(
      KeywordText(aif_SurfacePropertyAssignments(cow_COW<kinC_Interaction>(contact), "Step-2",
                                                 *context.info)),
      GcLines({"*Surface Property Assignment, property=OFFSET FRACTION", "Block-1.B , SPOS"}));
}

TEST(aif_ContactAssignmentsTest, InitializationsOfStandardContactOnly) {
  const hst_ModelBuilder b = aif_gc_test::GcModel();
  const aif_gc_test::GcContext context(b, false);
  kinC_ContactStd contact;
  contact.initializationPairs = {GcPair("Top", "Bottom"), GcPair("Side", "Rim", "Block-2.X")};
  EXPECT_EQ(KeywordText(aif_InitializationAssignments(cow_COW<kinC_Interaction>(contact), "Step-1",
                                                      *context.info)),
            "");
  contact.initializationNames = {"CInit-1", "Init 2"};
  EXPECT_EQ(KeywordText(aif_InitializationAssignments(cow_COW<kinC_Interaction>(contact), "Step-1",
                                                      *context.info)),
            GcLines({"*Contact Initialization Assignment", "Block-1.Top , Block-1.Bottom , CInit-1",
                     "Block-1.Side , Block-1.Rim , \"Init 2\""}));

  // A name without its pair: the list's range error, before any line.
  contact.initializationNames = {"CInit-1", "Init 2", "CInit-3"};
  EXPECT_EQ(ThrownText(aif_InitializationAssignments(cow_COW<kinC_Interaction>(contact), "Step-1",
                                                     *context.info)),
            "out of range: cow_List: index 2 out of range (size 2)");

  const std::string error = ThrownText(aif_InitializationAssignments(
      cow_COW<kinC_Interaction>(kinC_ContactExp{}), "Step-1", *context.info));
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      error, "kinC_ContactStd", "module/aif/impl/interactions/aif_InitializationAssignments.cpp"))
      << error;
}

aif_GeometricCorrection GcCorrection(const char* surface, const char* choice, const char* kind) {
  aif_GeometricCorrection record;
  record.interactionName = "GC";
  record.surface = surface;
  record.choice = choice;
  record.kind = kind;
  record.x1 = 1.0;
  record.y1 = 2.0;
  record.z1 = 3.0;
  record.x2 = 1.0;
  record.y2 = 2.5;
  record.z2 = -4.0;
  return record;
}

TEST(aif_ContactAssignmentsTest, GeometricCorrectionsByModellingSpace) {
  const cow_COW<kinC_Interaction> contact(kinC_ContactStd{});
  const cow_List<aif_GeometricCorrection> records = {
      GcCorrection("_GC_gcs0_1", "", "Circumferential"),
      // An assignment whose kind has no choice text carries the kind the
      // analysis found, in capitals: its second point is written as well.
      GcCorrection("_GC_gcs1_1", "", "CIRCUMFERENTIAL"),
      GcCorrection("_GC_gcs2_1", "Spherical", "CIRCUMFERENTIAL"),
      GcCorrection("_GC_gcs3_1", "None", "SPHERICAL")};

  const hst_ModelBuilder solid = aif_gc_test::GcModel(2000);
  const aif_gc_test::GcContext solidContext(solid, false);
  EXPECT_EQ(KeywordText(aif_SmoothingAssignments(contact, *solidContext.info, records)),
            GcLines({"*Surface Property Assignment, property=GEOMETRIC CORRECTION",
                     "_GC_gcs0_1, Circumferential, 1., 2., 3.,  1., 2.5, -4.",
                     "_GC_gcs1_1, CIRCUMFERENTIAL, 1., 2., 3.,  1., 2.5, -4.",
                     "_GC_gcs2_1, Spherical, 1., 2., 3.", "_GC_gcs3_1, None"}));

  // Two-dimensional: the first point's two coordinates only.
  const hst_ModelBuilder planar = aif_gc_test::GcModel(2001);
  const aif_gc_test::GcContext planarContext(planar, false);
  EXPECT_EQ(KeywordText(aif_SmoothingAssignments(contact, *planarContext.info, records)),
            GcLines({"*Surface Property Assignment, property=GEOMETRIC CORRECTION",
                     "_GC_gcs0_1, Circumferential, 1., 2.", "_GC_gcs1_1, CIRCUMFERENTIAL, 1., 2.",
                     "_GC_gcs2_1, Spherical, 1., 2.", "_GC_gcs3_1, None"}));

  EXPECT_EQ(KeywordText(aif_SmoothingAssignments(contact, *solidContext.info, {})), "");
  const std::string error = ThrownText(aif_SmoothingAssignments(
      cow_COW<kinC_Interaction>(kinC_ContactExp{}), *solidContext.info, records));
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      error, "kinC_ContactStd", "module/aif/impl/interactions/aif_SmoothingAssignments.cpp"))
      << error;
}

}  // namespace
