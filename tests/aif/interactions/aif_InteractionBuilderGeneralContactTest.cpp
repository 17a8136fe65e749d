// The interaction builder's Standard general contact and geometric
// smoothing: "*Contact" in the initial step with its smoothing records, the
// generated smoothing surfaces (made from temporary sets that leave the
// model as it was), "*Surface Smoothing" of surface-to-surface pairs, and
// the friction changes of later steps.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "AttributesIntObj/asoK_ModelAssembly.h"
#include "AttributesIntObj/asoK_RotationalAxis.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/gml_GeometricModel.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif/interactions/aif_GeneralContactTestModel.h"
#include "support/aif_BuilderRun.h"

namespace {

using GsRun = aif_test::BuilderRun<aif_InteractionBuilder>;

constexpr char kGsBanner[] = "** \n** INTERACTIONS\n** \n";

// Face hits of Block-1 (instance 1): element indices and face identifiers.
gdy_CompositeHitSet GsFaces(cow_List<int> elements, cow_List<cow_String> faces) {
  gdy_CompositeHitSet hits;
  hits.faceElements.Set(1, elements);
  hits.faceIds.Set(1, faces);
  return hits;
}

// The surface `name` of Block-1 made of the faces `elements` / `faces`.
rgnC_Region GsSurface(const char* name, cow_List<int> elements, cow_List<cow_String> faces) {
  rgnC_Region region(name, {"Assembly", "Block-1"});
  region.SetKernelElementIndices(1, elements, faces);
  return region;
}

asoK_RotationalAxisData GsAxis(gdy_CompositeHitSet hits, gsl_Vector direction, double x = 0.0,
                               double y = 0.0, double z = 0.0) {
  asoK_RotationalAxisData axis;
  axis.point[0] = x;
  axis.point[1] = y;
  axis.point[2] = z;
  axis.direction = direction;
  axis.hits = hits;
  return axis;
}

// A block of four bricks (Block-1), the initial step and Step-1 to Step-3;
// two contact properties.
hst_ModelBuilder GsModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(2, 2, 1));
  b.AddInstance("Block-1", "Block");
  for (const char* step : {"Step-1", "Step-2", "Step-3"})
    b.AddStep(step, kprC_StaticStep());
  b.AddInteractionProperty("IntProp-1", kinC_ContactProperty());
  b.AddInteractionProperty("IntProp-2", kinC_ContactProperty());
  return b;
}

// The model definition's properties of GsModel.
const std::string kGsProperties = aif_gc_test::GcLines({
    "** ",
    "** INTERACTION PROPERTIES",
    "** ",
    "*Surface Interaction, name=IntProp-1",
    "1.,",
    "*Surface Interaction, name=IntProp-2",
    "1.,",
});

// The ids of the features of the model's assembly as the model database
// holds it, and how many temporary features were appended to it.
cow_List<unsigned> GsDatabaseFeatureIds() {
  const asoK_Assembly* assembly = asoK_GetAssembly(bas_Basis::Instance().Fetch(), "Model-1");
  return assembly ? assembly->ConstGetFeatureList().ConstEvaluatedRep().GetIds()
                  : cow_List<unsigned>();
}
std::size_t GsTemporarySetsMade() {
  const asoK_Assembly* assembly = asoK_GetAssembly(bas_Basis::Instance().Fetch(), "Model-1");
  return assembly ? assembly->ConstGetFeatureList().RegeneratedCount() : 0;
}

// A general contact of the whole model with two property assignments.
kinC_ContactStd GsContact() {
  kinC_ContactStd contact;
  contact.propertyAssignments = {aif_gc_test::GcPair("Top", "Bottom"),
                                 aif_gc_test::GcPair("Side", "Top")};
  return contact;
}

// A state of general contact of the whole model with these property
// assignments.
kinC_ContactExpState GsState(cow_List<mdl_PropAttr<cow_String>> properties) {
  kinC_ContactExpState state;
  state.SetWholeModel(true);
  state.properties = std::move(properties);
  return state;
}

// What the lists hold, each written once: generated surfaces name their
// element sets uniquely, so a second write would name them anew.
std::string GsOnce(const akw_KeywordList& list) {
  return aif_test::StreamText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
}

class aif_InteractionBuilderGeneralContact : public ::testing::Test {
 protected:
  void TearDown() override {
    asoK_ClearRotationalAxisScripts();
    ajbC_CheckingMessages::Instance().Warnings().Clear();
  }
};

}  // namespace

// A pair whose master surface has two rotational pieces and whose slave
// surface has one: three generated surfaces in the assembly, one
// "*Surface Smoothing" named after the pair with three rows (an axis
// shorter than the length tolerance is spherical), and the pair naming it.
// The temporary sets were made in the model and are gone afterwards.
TEST_F(aif_InteractionBuilderGeneralContact, PairSmoothingSurfaces) {
  hst_ModelBuilder b = GsModel();
  asoK_ScriptRotationalAxisData(GsFaces({0, 1}, {"S1", "S2"}),
                                {GsAxis(GsFaces({0}, {"S1"}), gsl_Vector(0, 0, 1), 1, 2, 3),
                                 GsAxis(GsFaces({1}, {"S2"}), gsl_Vector(0, 0, 1e-7), 0.5, 0, 0)});
  asoK_ScriptRotationalAxisData(GsFaces({2}, {"S3"}),
                                {GsAxis(GsFaces({2}, {"S3"}), gsl_Vector(2e-6, 0, 0))});
  kinC_SurfaceToSurfaceContactStd pair;
  pair.SetSurfaces(GsSurface("Master", {0, 1}, {"S1", "S2"}), GsSurface("Slave", {2}, {"S3"}));
  pair.SetCreateStepName("Initial");
  pair.SetSurfaceSmoothing(1);
  kinC_SurfaceToSurfaceContactStdState state;
  state.SetInteractionProperty("IntProp-1", 1, true);
  pair.SetState("Initial", 1, state);
  b.AddInteraction("CP-1", pair);
  const cow_List<unsigned> before = b.Assembly().ConstGetFeatureList().ConstEvaluatedRep().GetIds();

  const GsRun run(b);
  EXPECT_EQ(aif_gc_test::GcLines({
                "*Elset, elset=__CP-1_msm_1_S1, internal, instance=Block-1",
                " 1,",
                "*Surface, type=ELEMENT, name=_CP-1_msm_1, internal",
                "__CP-1_msm_1_S1, S1",
                "*Elset, elset=__CP-1_msm_2_S2, internal, instance=Block-1",
                " 2,",
                "*Surface, type=ELEMENT, name=_CP-1_msm_2, internal",
                "__CP-1_msm_2_S2, S2",
                "*Elset, elset=__CP-1_ssm_1_S3, internal, instance=Block-1",
                " 3,",
                "*Surface, type=ELEMENT, name=_CP-1_ssm_1, internal",
                "__CP-1_ssm_1_S3, S3",
            }),
            GsOnce(run.builder.AssemblyDefinition()));
  EXPECT_EQ(kGsProperties + aif_gc_test::GcLines({
                                "*Surface Smoothing, name=CP-1",
                                ", _CP-1_msm_1, CIRCUMFERENTIAL, 1., 2., 3., 1., 2., 4.",
                                ", _CP-1_msm_2, SPHERICAL, 0.5, 0., 0.",
                                "_CP-1_ssm_1, , CIRCUMFERENTIAL, 0., 0., 0., 2.e-06, 0., 0.",
                            }),
            run.Definition());
  EXPECT_EQ(kGsBanner + aif_gc_test::GcLines({
                            "** Interaction: CP-1",
                            "*Contact Pair, interaction=IntProp-1, geometric correction=CP-1",
                            "Block-1.Slave, Block-1.Master",
                        }),
            run.Step("Initial"));
  EXPECT_EQ(3u, GsTemporarySetsMade());
  EXPECT_EQ(before, GsDatabaseFeatureIds());
}

// Smoothing requested, but no piece on either surface: no generated
// surface, no "*Surface Smoothing", no "geometric correction=". A piece on
// an analytical rigid surface counts as none; and without the smoothing
// choice the pieces are not looked for.
TEST_F(aif_InteractionBuilderGeneralContact, PairWithoutPiecesHasNoCorrection) {
  hst_ModelBuilder b = GsModel();
  b.AddPart("Rigid", hst_GridMesh(1, 1, 1), ptoK_ANALYTIC_RIGID);
  b.AddInstance("Rigid-1", "Rigid");  // instance 2
  gdy_CompositeHitSet rigidFaces;
  rigidFaces.faceElements.Set(2, {0});
  rigidFaces.faceIds.Set(2, {"S1"});
  rgnC_Region rigid("Face", {"Assembly", "Rigid-1"});
  rigid.SetKernelElementIndices(2, {0}, {"S1"});
  asoK_ScriptRotationalAxisData(rigidFaces, {GsAxis(rigidFaces, gsl_Vector(0, 0, 1))});
  asoK_ScriptRotationalAxisData(GsFaces({3}, {"S4"}),
                                {GsAxis(GsFaces({3}, {"S4"}), gsl_Vector(0, 0, 1))});
  const std::string pairLines =
      std::string(kGsBanner) + "** Interaction: CP-1\n*Contact Pair, interaction=IntProp-1\n";
  for (const int choice : {1, 0}) {
    hst_ModelBuilder model = b;
    kinC_SurfaceToSurfaceContactStd pair;
    // The master surface has no piece; the slave's only piece is rigid
    // (choice 1). Choice 0: the slave has a piece, but nothing asks for it.
    pair.SetSurfaces(GsSurface("Master", {0}, {"S1"}),
                     choice == 1 ? rigid : GsSurface("Slave", {3}, {"S4"}));
    pair.SetCreateStepName("Initial");
    pair.SetSurfaceSmoothing(choice);
    kinC_SurfaceToSurfaceContactStdState state;
    state.SetInteractionProperty("IntProp-1", 1, true);
    pair.SetState("Initial", 1, state);
    model.AddInteraction("CP-1", pair);
    const GsRun run(model);
    EXPECT_EQ(pairLines + (choice == 1 ? "Rigid-1.Face" : "Block-1.Slave") + ", Block-1.Master\n",
              run.Step("Initial"));
    EXPECT_EQ(kGsProperties, run.Definition());
    EXPECT_EQ("", GsOnce(run.builder.AssemblyDefinition()));
  }
}

// General contact with whole-model smoothing and three smoothing
// assignments. The whole model's pieces are "_GC_gcs0_n" (an empty piece is
// passed over but counted) with the kind found in mixed case; the
// assignments' pieces are "_GC_gcsk_n" with their choice: "Circumferential"
// (code 1), none for an unknown code (7), which writes the kind found,
// "CIRCUMFERENTIAL", with both points, and "None" (code 0) alone. The
// model is left as it was. A two-dimensional model writes two coordinates.
TEST_F(aif_InteractionBuilderGeneralContact, GeneralContactSmoothingRecords) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(2, 2, 1));
  b.MutablePart("Block").SetGeometricModel(std::make_shared<gml_GeometricModel>());
  b.AddPart("Display", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  hst_ModelBuilder::InstanceOptions inactive;
  inactive.active = false;
  b.AddInstance("Off-1", "Block", inactive);  // not active for simulation
  b.AddInstance("Display-1", "Display");      // no geometric model
  gdy_CompositeHitSet wholeModel;
  wholeModel.bodies = {1};
  kinC_ContactStd contact;
  contact.wholeModelSmoothing = true;
  contact.smoothings = {kinC_Smoothing{1}, kinC_Smoothing{7}, kinC_Smoothing{0}};
  contact.smoothingRegions = {
      {GsSurface("Hole", {0}, {"S1"}), rgnC_Region(), ""},
      {GsSurface("Pin", {1}, {"S2"}), rgnC_Region(), ""},
      {GsSurface("Ball", {2}, {"S3"}), rgnC_Region(), ""},
  };
  contact.SetState("Initial", 1, GsState({}));
  b.AddInteraction("GC", contact);
  const cow_List<unsigned> before = b.Assembly().ConstGetFeatureList().ConstEvaluatedRep().GetIds();

  for (const bool twoDimensional : {false, true}) {
    asoK_ScriptRotationalAxisData(wholeModel,
                                  {GsAxis(gdy_CompositeHitSet(), gsl_Vector(0, 0, 1)),
                                   GsAxis(GsFaces({0}, {"S1"}), gsl_Vector(0, 0, 1), 1, 2, 3),
                                   GsAxis(GsFaces({3}, {"S4"}), gsl_Vector(), 4, 5, 6)},
                                  twoDimensional);
    for (const int element : {0, 1, 2})
      asoK_ScriptRotationalAxisData(GsFaces({element}, {"S" + std::to_string(element + 1)}),
                                    {GsAxis(GsFaces({element}, {"S" + std::to_string(element + 1)}),
                                            gsl_Vector(1, 0, 0), element, 0, 0)},
                                    twoDimensional);
  }

  const std::string head = std::string(kGsBanner) +
                           "** Interaction: GC\n*Contact\n*Contact Inclusions, ALL EXTERIOR\n"
                           "*Surface Property Assignment, property=GEOMETRIC CORRECTION\n";
  {
    const GsRun run(b);
    EXPECT_EQ(head + aif_gc_test::GcLines({
                         "_GC_gcs0_2, Circumferential, 1., 2., 3.,  1., 2., 4.",
                         "_GC_gcs0_3, Spherical, 4., 5., 6.",
                         "_GC_gcs1_1, Circumferential, 0., 0., 0.,  1., 0., 0.",
                         "_GC_gcs2_1, CIRCUMFERENTIAL, 1., 0., 0.,  2., 0., 0.",
                         "_GC_gcs3_1, None",
                     }),
              run.Step("Initial"));
    const std::string assembly = GsOnce(run.builder.AssemblyDefinition());
    for (const char* surface :
         {"_GC_gcs0_2", "_GC_gcs0_3", "_GC_gcs1_1", "_GC_gcs2_1", "_GC_gcs3_1"})
      EXPECT_NE(
          std::string::npos,
          assembly.find("*Surface, type=ELEMENT, name=" + std::string(surface) + ", internal\n"))
          << surface;
    EXPECT_EQ(std::string::npos, assembly.find("_GC_gcs0_1"));
    EXPECT_EQ(5u, GsTemporarySetsMade());
    EXPECT_EQ(before, GsDatabaseFeatureIds());
  }
  b.Assembly().SetSpace(ptoK_SPACE_2D);
  const GsRun run(b);
  EXPECT_EQ(head + aif_gc_test::GcLines({
                       "_GC_gcs0_2, Circumferential, 1., 2.",
                       "_GC_gcs0_3, Spherical, 4., 5.",
                       "_GC_gcs1_1, Circumferential, 0., 0.",
                       "_GC_gcs2_1, CIRCUMFERENTIAL, 1., 0.",
                       "_GC_gcs3_1, None",
                   }),
            run.Step("Initial"));
}

// A name that cannot be written (a line break) fails when the first
// generated surface is named, after its temporary set was made: the set is
// deleted all the same.
TEST_F(aif_InteractionBuilderGeneralContact, TemporarySetDeletedWhenNamingFails) {
  hst_ModelBuilder b = GsModel();
  kinC_ContactStd contact;
  contact.smoothings = {kinC_Smoothing{1}};
  contact.smoothingRegions = {{GsSurface("Hole", {0}, {"S1"}), rgnC_Region(), ""}};
  contact.SetState("Initial", 1, GsState({}));
  b.AddInteraction("GC\n1", contact);
  asoK_ScriptRotationalAxisData(GsFaces({0}, {"S1"}),
                                {GsAxis(GsFaces({0}, {"S1"}), gsl_Vector(0, 0, 1))});
  const cow_List<unsigned> before = b.Assembly().ConstGetFeatureList().ConstEvaluatedRep().GetIds();
  EXPECT_THROW(GsRun run(b), nex_TextException);
  EXPECT_EQ(1u, GsTemporarySetsMade());
  EXPECT_EQ(before, GsDatabaseFeatureIds());
}

// "*Contact" stands in the initial step only for a contact created there.
// A contact whose property history is empty (no assignment ever marked
// modified) names its properties and writes nothing in later steps,
// whatever its states hold.
TEST_F(aif_InteractionBuilderGeneralContact, CreatedLaterOrWithoutHistory) {
  {
    hst_ModelBuilder b = GsModel();
    kinC_ContactStd later = GsContact();
    later.SetState("Step-1", 1, GsState({{"IntProp-1", 1, true}, {"IntProp-1", 1, true}}));
    later.SetState("Step-2", 3, GsState({{"IntProp-2", 1, true}, {"IntProp-1", 2}}));
    b.AddInteraction("GC", later);
    const GsRun run(b);
    for (const char* step : {"Initial", "Step-1", "Step-2", "Step-3"})
      EXPECT_EQ(std::string::npos, run.Step(step).find("*Contact\n")) << step;
  }
  hst_ModelBuilder b = GsModel();
  kinC_ContactStd kept = GsContact();
  kept.SetState("Initial", 1, GsState({{"IntProp-1", 1}, {"IntProp-2", 1}}));
  kept.SetState("Step-2", 3, GsState({{"IntProp-2", 1}, {"IntProp-1", 1}}));
  b.AddInteraction("GC", kept);
  const GsRun run(b);
  EXPECT_EQ(std::string(kGsBanner) + aif_gc_test::GcLines({
                                         "** Interaction: GC",
                                         "*Contact",
                                         "*Contact Inclusions, ALL EXTERIOR",
                                         "*Contact Property Assignment",
                                         "Block-1.Top , Block-1.Bottom , IntProp-1",
                                         "Block-1.Side , Block-1.Top , IntProp-2",
                                     }),
            run.Step("Initial"));
  for (const char* step : {"Step-1", "Step-2", "Step-3"})
    EXPECT_EQ("", run.Step(step)) << step;
}

// A step that assigns another property: "*Change Friction" with the
// assignment's generated name ("_GC-Prop2", composed and then quoted as a
// whole) and the new property's friction, behind the comment and without a
// banner; the "*Contact" names the generated properties. A property that
// is not a contact property is the type test's error.
TEST_F(aif_InteractionBuilderGeneralContact, ChangedAssignmentChangesFriction) {
  kinC_ContactStd contact = GsContact();
  contact.SetState("Initial", 1, GsState({{"IntProp-1", 1, true}, {"IntProp-1", 1, true}}));
  contact.SetState("Step-1", 2, GsState({{"IntProp-1", 2}, {"IntProp-1", 2}}));
  contact.SetState("Step-2", 3, GsState({{"IntProp-1", 2}, {"IntProp-2", 1, true}}));
  contact.SetState("Step-3", 3, GsState({{"IntProp-1", 2}, {"IntProp-2", 2}}));
  for (const char* name : {"GC", "GC 1"}) {
    // Copies of a model share its repositories: a fresh model each.
    hst_ModelBuilder b = GsModel();
    b.AddInteraction(name, contact);
    const GsRun run(b);
    const std::string quote = std::string(name) == "GC" ? "" : "\"";
    EXPECT_EQ(std::string(kGsBanner) +
                  aif_gc_test::GcLines({
                      "** Interaction: " + std::string(name),
                      "*Contact",
                      "*Contact Inclusions, ALL EXTERIOR",
                      "*Contact Property Assignment",
                      "Block-1.Top , Block-1.Bottom , " + quote + "_" + name + "-Prop1" + quote,
                      "Block-1.Side , Block-1.Top , " + quote + "_" + name + "-Prop2" + quote,
                  }),
              run.Step("Initial"));
    EXPECT_EQ("", run.Step("Step-1"));
    EXPECT_EQ(aif_gc_test::GcLines({
                  "** Interaction: " + std::string(name),
                  "*Change Friction, interaction=" + quote + "_" + name + "-Prop2" + quote,
                  "*Friction",
                  "0.,",
              }),
              run.Step("Step-2"));
    // A modified step that names the known properties writes nothing.
    EXPECT_EQ("", run.Step("Step-3"));
  }

  // A product that writes no generated names (Explicit): the assignments
  // and the change name the properties themselves.
  {
    hst_ModelBuilder b = GsModel();
    b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
    b.AddInteraction("GC", contact);
    const GsRun run(b);
    EXPECT_NE(std::string::npos, run.Step("Initial").find("*Contact Property Assignment\n"
                                                          "Block-1.Top , Block-1.Bottom , "
                                                          "IntProp-1\nBlock-1.Side , "
                                                          "Block-1.Top , IntProp-1\n"));
    EXPECT_EQ(aif_gc_test::GcLines({
                  "** Interaction: GC",
                  "*Change Friction, interaction=IntProp-2",
                  "*Friction",
                  "0.,",
              }),
              run.Step("Step-2"));
  }

  hst_ModelBuilder b = GsModel();
  b.AddInteractionProperty("Other", kinC_InteractionProperty());
  kinC_ContactStd other = GsContact();
  other.SetState("Initial", 1, GsState({{"IntProp-1", 1, true}, {"IntProp-1", 1, true}}));
  other.SetState("Step-2", 3, GsState({{"Other", 1, true}, {"IntProp-1", 2}}));
  b.AddInteraction("GC", other);
  try {
    const GsRun run(b);
    ADD_FAILURE() << "no error";
  } catch (const nex_TextException& e) {
    EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
        e.what(), "kinC_ContactProperty",
        "module/aif/impl/interactions/aif_InteractionBuilderGeneralContact.cpp"))
        << e.what();
  }
}

// A later step with more assignments than the known names does not stop
// the write: the new assignment's property is taken as known, no change is
// written for it, and the checking messages' warnings name the contact and
// the step. The changed first assignment is still written.
TEST_F(aif_InteractionBuilderGeneralContact, LaterAddedAssignmentWarns) {
  hst_ModelBuilder b = GsModel();
  kinC_ContactStd contact = GsContact();
  contact.SetState("Initial", 1, GsState({{"IntProp-1", 1, true}}));
  contact.SetState("Step-2", 3, GsState({{"IntProp-2", 1, true}, {"IntProp-1", 1, true}}));
  contact.SetState("Step-3", 3, GsState({{"IntProp-2", 2}, {"IntProp-2", 1, true}}));
  b.AddInteraction("GC", contact);
  const GsRun run(b);
  EXPECT_EQ(aif_gc_test::GcLines({
                "** Interaction: GC",
                "*Change Friction, interaction=_GC-Prop1",
                "*Friction",
                "0.,",
            }),
            run.Step("Step-2"));
  // The added assignment is known from Step-2 on: its change in Step-3 is
  // written.
  EXPECT_EQ(aif_gc_test::GcLines({
                "** Interaction: GC",
                "*Change Friction, interaction=_GC-Prop2",
                "*Friction",
                "0.,",
            }),
            run.Step("Step-3"));
  const cow_List<atr_String>& warnings = ajbC_CheckingMessages::Instance().Warnings();
  ASSERT_EQ(1u, warnings.Length());
  EXPECT_EQ(cow_String("General contact GC: step Step-2 assigns a contact property to an "
                       "assignment that no earlier step made; no change of friction is written "
                       "for it."),
            warnings[0]);
}

// The property history of Standard general contact lists the modified
// assignments' properties of each step where one is modified, in step and
// assignment order; Explicit general contact, which names its properties
// in every step it writes, has none.
TEST_F(aif_InteractionBuilderGeneralContact, PropertyHistoryOfGeneralContact) {
  kinC_ContactStd contact = GsContact();
  contact.SetState("Initial", 1, GsState({{"IntProp-1", 1, true}, {"IntProp-2", 1, true}}));
  contact.SetState("Step-1", 2, GsState({{"IntProp-1", 2}, {"IntProp-2", 2}}));
  contact.SetState("Step-2", 3, GsState({{"IntProp-1", 2}, {"IntProp-3", 1, true}}));
  contact.SetState("Step-3", 4, GsState({{"IntProp-4", 1, true}, {"IntProp-2", 2}}));
  const cow_List<cow_String> steps = {"Initial", "Step-1", "Step-2", "Step-3"};
  const cow_List<cow_String> history = aif_ContactPropertyHistory(contact, steps);
  ASSERT_EQ(3u, history.Length());
  EXPECT_EQ(cow_String("IntProp-1"), history[0]);
  EXPECT_EQ(cow_String("IntProp-2"), history[1]);
  EXPECT_EQ(cow_String("IntProp-3"), history[2]);

  kinC_ContactExp explicitContact;
  explicitContact.SetState("Initial", 1, GsState({{"IntProp-1", 1, true}}));
  EXPECT_TRUE(aif_ContactPropertyHistory(explicitContact, steps).IsEmpty());
}
