// "*Contact" of Standard and Explicit general contact with the assignment
// keywords each writes after it.
#include <string>

#include "OdbAttrEO/kinC_GeneralContact.h"
#include "aif/impl/interactions/aif_Contact.h"
#include "aif/impl/interactions/aif_ContactStd.h"
#include "aif/interactions/aif_GeneralContactTestModel.h"

namespace {

using aif_gc_test::GcLines;
using aif_gc_test::GcPair;
using aif_gc_test::GcSurface;
using aif_test::KeywordText;
using aif_test::ThrownText;

// A Standard general contact with one entry in every list, all set in
// "Step-1": the second property assignment only, so that its generated name
// shows its position.
kinC_ContactStd ContactStdOfEveryList() {
  kinC_ContactStd contact;
  contact.inclusions = {GcPair("Top", "Bottom"), GcPair("Side", "Bottom", "Block-2.Rim")};
  contact.exclusions = {GcPair("Top", "Side")};
  contact.propertyAssignments = {GcPair("Top", "Bottom"), GcPair("Side", "Top")};
  contact.thicknessRegions = {GcPair("Top", "Top")};
  contact.offsetRegions = {GcPair("Side", "Side")};
  contact.featureRegions = {GcPair("Bottom", "Bottom")};
  contact.masterSlavePairs = {GcPair("Top", "Bottom")};
  contact.initializationPairs = {GcPair("Side", "Top")};
  contact.initializationNames = {"CInit-1"};

  kinC_ContactExpState state;
  state.inclusions = {{true, 1}, {true, 2}};
  state.exclusions = {{true, 1}};
  state.properties = {{"IntProp-1", 0}, {"IntProp-2", 1}};
  state.thicknesses = {{kinC_SurfThick{2, 0.5, 2.0}, 1}};
  state.offsets = {{kinC_SurfOffset{1, 0.0}, 1}};
  state.features = {{kinC_SurfFeature{2, 30.0}, 1}};
  state.roles = {{kinC_MasterSlave{kinC_MasterSlave::kSlave}, 1}};
  contact.SetState("Step-1", 1, state);
  return contact;
}

TEST(aif_ContactStdTest, TheContactLineAloneWithoutInteractionOrSetEntries) {
  const hst_ModelBuilder b = aif_gc_test::GcModel();
  const aif_gc_test::GcContext context(b, false);
  const aif_ModelInfo& info = *context.info;
  EXPECT_EQ(
      KeywordText(aif_ContactStd("GC", cow_COW<kinC_Interaction>(), "Step-1", info, {}, false)),
      "*Contact\n");

  // Lists whose entries the step leaves unset, or sets to "not included",
  // write no keyword line.
  kinC_ContactStd contact = ContactStdOfEveryList();
  contact.initializationNames = {};
  kinC_ContactExpState unset;
  unset.inclusions = {{false, 1}, {false, 2}};
  unset.exclusions = {{true, 0}};
  unset.properties = {{"IntProp-1", 0}};
  contact.SetState("Step-2", 2, unset);
  const cow_COW<kinC_Interaction> handle(contact);
  EXPECT_EQ(KeywordText(aif_ContactStd("GC", handle, "Step-2", info, {}, false)), "*Contact\n");
  // A step without a state is the store's range error, before any line.
  EXPECT_EQ(ThrownText(aif_ContactStd("GC", handle, "Step-9", info, {}, true)),
            "out of range: general contact state: no state in step Step-9");
}

TEST(aif_ContactStdTest, AssignmentsFollowInTheirOrder) {
  const hst_ModelBuilder b = aif_gc_test::GcModel();
  const aif_gc_test::GcContext context(b, false);
  const cow_COW<kinC_Interaction> handle(ContactStdOfEveryList());
  aif_GeometricCorrection correction;
  correction.surface = "_GC_gcs1_1";
  correction.choice = "None";
  const std::string head = GcLines({"*Contact", "*Contact Inclusions",
                                    // The Standard form ignores a pair's text.
                                    "Block-1.Top , Block-1.Bottom", "Block-1.Side , Block-1.Bottom",
                                    "*Contact Exclusions", "Block-1.Top , Block-1.Side",
                                    "*Contact Property Assignment"});
  const std::string tail = GcLines(
      {"*Surface Property Assignment, property=THICKNESS", "Block-1.Top , 0.5 , 2.",
       "*Surface Property Assignment, property=OFFSET FRACTION", "Block-1.Side , SPOS",
       "*Surface Property Assignment, property=FEATURE EDGE CRITERIA", "Block-1.Bottom , 30.",
       "*Contact Formulation, type=MASTER SLAVE ROLES", "Block-1.Top , Block-1.Bottom , SLAVE",
       "*Contact Initialization Assignment", "Block-1.Side , Block-1.Top , CInit-1",
       "*Surface Property Assignment, property=GEOMETRIC CORRECTION", "_GC_gcs1_1, None"});
  EXPECT_EQ(KeywordText(aif_ContactStd("GC", handle, "Step-1", *context.info, {correction}, false)),
            head + "Block-1.Side , Block-1.Top , IntProp-2\n" + tail);
  // Generated names count the assignment's position from 1: the second is
  // "_GC-Prop2" even when the first is not set.
  EXPECT_EQ(KeywordText(aif_ContactStd("GC", handle, "Step-1", *context.info, {correction}, true)),
            head + "Block-1.Side , Block-1.Top , _GC-Prop2\n" + tail);
}

TEST(aif_ContactStdTest, GeneratedPropertyNamesAreComposedThenMadePrintable) {
  const hst_ModelBuilder b = aif_gc_test::GcModel();
  const aif_gc_test::GcContext context(b, false);
  kinC_ContactStd contact;
  contact.propertyAssignments = {GcPair("Top", "Bottom")};
  kinC_ContactExpState state;
  state.properties = {{"Rough contact", 1}};
  contact.SetState("Step-1", 1, state);
  const cow_COW<kinC_Interaction> handle(contact);
  EXPECT_EQ(KeywordText(aif_ContactStd("General 1", handle, "Step-1", *context.info, {}, true)),
            GcLines({"*Contact", "*Contact Property Assignment",
                     "Block-1.Top , Block-1.Bottom , \"_General 1-Prop1\""}));
  EXPECT_EQ(KeywordText(aif_ContactStd("General 1", handle, "Step-1", *context.info, {}, false)),
            GcLines({"*Contact", "*Contact Property Assignment",
                     "Block-1.Top , Block-1.Bottom , \"Rough contact\""}));
}

TEST(aif_ContactStdTest, AnExplicitGeneralContactIsRefused) {
  const hst_ModelBuilder b = aif_gc_test::GcModel();
  const aif_gc_test::GcContext context(b, false);
  const cow_COW<kinC_Interaction> handle(kinC_ContactExp{});
  const std::string error =
      ThrownText(aif_ContactStd("GC", handle, "Step-1", *context.info, {}, false));
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(error, "kinC_ContactStd",
                                             "module/aif/impl/interactions/aif_ContactStd.cpp"))
      << error;
}

// An Explicit general contact with an inclusion that names its second member
// by text, a property and a role, all set in "Step-1".
kinC_ContactExp ExplicitContactOfThreeLists() {
  kinC_ContactExp contact;
  contact.inclusions = {GcPair("Top", "Bottom", "Block-2.Rim")};
  contact.propertyAssignments = {GcPair("Top", "Bottom", "Block-2.Rim")};
  contact.masterSlavePairs = {GcPair("Top", "Bottom", "Block-2.Rim")};
  kinC_ContactExpState state;
  state.inclusions = {{true, 1}};
  state.properties = {{"IntProp-1", 1}};
  state.roles = {{kinC_MasterSlave{kinC_MasterSlave::kMaster}, 1}};
  contact.SetState("Step-1", 1, state);
  return contact;
}

TEST(aif_ContactStdTest, ExplicitContactIsNewInEveryStepAndAloneWhereInactive) {
  const hst_ModelBuilder b = aif_gc_test::GcModel();
  const aif_gc_test::GcContext partBased(b, false);
  const aif_gc_test::GcContext flat(b, true);
  kinC_ContactExp contact = ExplicitContactOfThreeLists();
  const aif_Contact keyword("GC", contact, "Step-1", *partBased.info);
  const std::string expected = GcLines(
      {"*Contact, op=NEW", "*Contact Inclusions", "Block-1.Top , Block-2.Rim",
       "*Contact Property Assignment", "Block-1.Top , Block-2.Rim , IntProp-1",
       "*Contact Formulation, type=PURE MASTER-SLAVE", "Block-1.Top , Block-1.Bottom , MASTER"});
  EXPECT_EQ(KeywordText(keyword), expected);
  // A flat file has no instance scopes: the text's dots become "_".
  EXPECT_EQ(KeywordText(aif_Contact("GC", contact, "Step-1", *flat.info)),
            GcLines({"*Contact, op=NEW", "*Contact Inclusions", "Block-1_Top , Block-2_Rim",
                     "*Contact Property Assignment", "Block-1_Top , Block-2_Rim , IntProp-1",
                     "*Contact Formulation, type=PURE MASTER-SLAVE",
                     "Block-1_Top , Block-1_Bottom , MASTER"}));

  // Inactive in a step: the line alone, whatever the state sets.
  kinC_ContactExpState state = contact.ConstGetState("Step-1");
  contact.SetState("Step-2", 4, state);
  EXPECT_EQ(KeywordText(aif_Contact("GC", contact, "Step-2", *partBased.info)),
            "*Contact, op=NEW\n");
  // Inactive, the state is not read: a step holding none writes the line.
  contact.SetStatus("Step-3", 4);
  EXPECT_EQ(KeywordText(aif_Contact("GC", contact, "Step-3", *partBased.info)),
            "*Contact, op=NEW\n");
  EXPECT_EQ(ThrownText(aif_Contact("GC", contact, "Step-4", *partBased.info)),
            "out of range: general contact state: no state in step Step-4");
  // The keyword keeps its own copy of the contact.
  EXPECT_EQ(KeywordText(keyword), expected);
}

}  // namespace
