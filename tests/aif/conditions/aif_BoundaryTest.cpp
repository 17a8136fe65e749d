// "*Boundary": the header of deactivated conditions, the op and amplitude
// options, the data line with its scale, the kinds no writer handles, the
// submodel header and lines, and the grouping of driven submodel conditions.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "OdbAttrEO/kbcC_SubmodelBC.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_SubmodelBoundaryGroups.h"
#include "aif_BoundaryTestModel.h"

namespace {

using aif_boundary_test::kBuckle;
using aif_boundary_test::Make;
using aif_boundary_test::Modify;
using aif_boundary_test::Options;
using aif_boundary_test::Text;

TEST(aif_BoundaryTest, DeactivatedConditionWritesItsHeaderAlone) {
  // The state of a deactivated condition is not read: neither its amplitude
  // nor its components are written.
  auto state = aif_boundary_test::Components<kbcC_DisplacementBCState>({0.5, 1.0});
  state.SetAmplitude("Ramp", 1);
  const auto removed = Make<kbcC_DisplacementBC>(4, state);
  EXPECT_EQ("*Boundary, op=NEW\n", Text(removed));
  EXPECT_EQ("*Boundary\n", Text(removed, Modify()));
  EXPECT_TRUE(aif_boundary_test::Keyword(removed).Inactive());
  EXPECT_FALSE(aif_boundary_test::Keyword(removed, Modify()).Modify());

  // Status 11 counts as deactivated too; in a buckling step the line takes
  // load case 1.
  EXPECT_EQ("*Boundary, op=NEW, load case=1\n",
            Text(Make<kbcC_DisplacementBC>(11, state, kBuckle)));
  // The initial step and a state without a step object are no buckling
  // steps.
  Options initial;
  initial.initialStep = "Step-2";
  EXPECT_EQ("*Boundary, op=NEW\n", Text(Make<kbcC_DisplacementBC>(4, state, kBuckle), initial));
  EXPECT_EQ("*Boundary, op=NEW\n", Text(Make<kbcC_DisplacementBC>(4, state, 0)));

  // A deactivated fluid wall or inlet has its own lines, and no "*Boundary".
  const auto wall = Make<kbcC_FluidWallConditionBC>(4, kbcC_FluidBCState());
  EXPECT_EQ("*Fluid Boundary, op=NEW\n*Dsflux, op=NEW\n", Text(wall));
  EXPECT_EQ("*Fluid Boundary, op=NEW\n",
            Text(Make<kbcC_FluidInletOutletBC>(4, kbcC_FluidBCState())));
  // Without op=NEW they fall back to the plain line.
  EXPECT_EQ("*Boundary\n", Text(wall, Modify()));
  // A kind no writer handles still ends in its step.
  EXPECT_EQ("*Boundary, op=NEW\n", Text(Make<kbcC_OtherBC>(4, kbcC_BCState())));
}

TEST(aif_BoundaryTest, HeaderOptionsAndDataLine) {
  // The amplitude as its printable name; op=NEW comes first.
  auto state = aif_boundary_test::Components<kbcC_DisplacementBCState>({0.0, 0.0, 0.5});
  state.SetAmplitude("Ramp 1", 1);
  EXPECT_EQ("*Boundary, op=NEW, amplitude=\"Ramp 1\"\nBase, 1, 1\nBase, 2, 2\nBase, 3, 3, 0.5\n",
            Text(Make<kbcC_DisplacementBC>(1, state)));

  // Scale 2 and value 0.5 write 1; a value 0 writes no value and no
  // separator.
  Options scaled;
  scaled.scale = 2.0;
  EXPECT_EQ("*Boundary, op=NEW, amplitude=\"Ramp 1\"\nBase, 1, 1\nBase, 2, 2\nBase, 3, 3, 1.\n",
            Text(Make<kbcC_DisplacementBC>(1, state), scaled));

  // An amplitude set in the step makes the block restate the components
  // carried over; one carried over leaves them out.
  auto carried = aif_boundary_test::Components<kbcC_DisplacementBCState>({0.25}, 2);
  carried.SetComponent(2, -1.5, 1);
  carried.SetAmplitude("Ramp", 1);
  const aif_Boundary restated =
      aif_boundary_test::Keyword(Make<kbcC_DisplacementBC>(3, carried), Modify());
  EXPECT_FALSE(restated.Modify());
  EXPECT_EQ("*Boundary, amplitude=Ramp\nBase, 1, 1, 0.25\nBase, 3, 3, -1.5\n",
            aif_test::KeywordText(restated));
  carried.SetAmplitude("Ramp", 2);
  EXPECT_EQ("*Boundary, amplitude=Ramp\nBase, 3, 3, -1.5\n",
            Text(Make<kbcC_DisplacementBC>(3, carried), Modify()));

  // No state in the step: no amplitude, and modify stays.
  kbcC_DisplacementBC stateless;
  stateless.SetStatus("Step-2", 2);
  const aif_Boundary bare = aif_boundary_test::Keyword(stateless, Modify());
  EXPECT_TRUE(bare.Modify());
  EXPECT_EQ("*Boundary\n", aif_test::KeywordText(bare));

  const aif_Boundary keyword = aif_boundary_test::Keyword(Make<kbcC_DisplacementBC>(1, state));
  // The header of temperature lists and of user subroutines.
  EXPECT_EQ("*Boundary, op=NEW, amplitude=\"Ramp 1\", load case=2\n",
            aif_test::WrittenText([&](utl_Stream& s) { keyword.WriteTemperatureHeader(s, 0, 2); }));
  EXPECT_EQ(
      "*Boundary, op=NEW, amplitude=\"Ramp 1\", imaginary, fixed, user\n",
      aif_test::WrittenText([&](utl_Stream& s) { keyword.WriteHeader(s, 1, true, 2, true); }));

  // A copy writes the same.
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  EXPECT_EQ(aif_test::KeywordText(keyword), aif_test::KeywordText(*copy));
}

TEST(aif_BoundaryTest, KindWithoutWriterStopsTheWrite) {
  EXPECT_EQ("Unimplemented boundary condition in input file.",
            aif_test::ThrownText(aif_boundary_test::Keyword(
                Make<kbcC_OtherBC>(1, aif_boundary_test::Components<kbcC_BCState>({1.0})))));
  // Connector conditions have a keyword of their own.
  EXPECT_EQ("Unimplemented boundary condition in input file.",
            aif_test::ThrownText(aif_boundary_test::Keyword(
                Make<kbcC_ConnDisplacementBC>(1, kbcC_ConnDisplacementBCState()))));
}

// A submodel condition in "Step-2" driven from `globalStep`.
kbcC_SubmodelBC BndSubmodel(const char* globalStep, bool fixed, int increment = 0,
                            bool timeScale = false, double scale = 1.0, int status = 1) {
  kbcC_SubmodelBCState state;
  state.SetSubmodel(globalStep, timeScale, fixed, increment, scale);
  state.SetDofs({1, 2, 3}, 1);
  kbcC_SubmodelBC condition = Make<kbcC_SubmodelBC>(status, state);
  condition.SetTolerances(2.0, 0.0, 0.0);
  return condition;
}

TEST(aif_BoundaryTest, SubmodelHeaderAndLines) {
  // Driven: the header belongs to the group; the lines name each degree of
  // freedom twice.
  const aif_Boundary driven = aif_boundary_test::Keyword(BndSubmodel("Global", false), Modify());
  EXPECT_TRUE(driven.SubmodelDriven());
  EXPECT_EQ("*Boundary, submodel, step=Global", driven.SubmodelHeader());
  EXPECT_EQ("Base, 1, 1\nBase, 2, 2\nBase, 3, 3\n", aif_test::KeywordText(driven));

  // Every option; op=NEW stands before "submodel".
  EXPECT_EQ(
      "*Boundary, op=NEW, submodel, step=Global, inc=3, timescale, scale=0.5",
      aif_boundary_test::Keyword(BndSubmodel("Global", false, 3, true, 0.5)).SubmodelHeader());
  EXPECT_EQ(
      "*Boundary, op=NEW, submodel, step=Global, scale=2",
      aif_boundary_test::Keyword(BndSubmodel("Global", false, 0, false, 2.0)).SubmodelHeader());

  // Fixed: not driven, its own header.
  const aif_Boundary fixed = aif_boundary_test::Keyword(BndSubmodel("Global", true, 3));
  EXPECT_FALSE(fixed.SubmodelDriven());
  EXPECT_EQ("*Boundary, op=NEW, fixed\nBase, 1, 1\nBase, 2, 2\nBase, 3, 3\n",
            aif_test::KeywordText(fixed));

  // Suppressed: the state is not read, the header is the bare line.
  kbcC_SubmodelBC suppressed = BndSubmodel("Global", false, 3);
  suppressed.SetSuppressed(true);
  const aif_Boundary bare = aif_boundary_test::Keyword(suppressed);
  EXPECT_FALSE(bare.SubmodelDriven());
  EXPECT_EQ("*Boundary, op=NEW\nBase, 1, 1\nBase, 2, 2\nBase, 3, 3\n", aif_test::KeywordText(bare));

  // Shell to solid: one line with the drive distance, else a tenth of the
  // shell thickness.
  Options shell;
  shell.shellToSolid = true;
  EXPECT_EQ("Base, 0.2\n", Text(BndSubmodel("Global", false), shell));
  kbcC_SubmodelBCState state;
  state.SetSubmodel("Global", false, false, 0, 1.0);
  state.SetDriveDistance(0.25);
  EXPECT_EQ("Base, 0.25\n", Text(Make<kbcC_SubmodelBC>(1, state), shell));

  // Other kinds have no submodel header.
  EXPECT_EQ("", aif_boundary_test::Keyword(Make<kbcC_DisplacementBC>(1, kbcC_DisplacementBCState()))
                    .SubmodelHeader());
}

std::string BndGroupText(const aif_SubmodelBoundaryGroups& groups, const char* step) {
  return aif_test::WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, groups.Keywords(step)); });
}

TEST(aif_BoundaryTest, DrivenSubmodelConditionsGroupPerStepAndHeader) {
  Options a = Modify();
  a.setName = "Top";
  Options b = Modify();
  b.setName = "Side";
  Options c = Modify();
  c.setName = "Bottom";

  // One comment and one header for conditions that share it.
  aif_SubmodelBoundaryGroups groups;
  groups.Add("Step-2", "A", aif_boundary_test::Keyword(BndSubmodel("Global", false), a));
  groups.Add("Step-2", "B", aif_boundary_test::Keyword(BndSubmodel("Global", false), b));
  EXPECT_EQ(
      "** Name: A, B Type: Submodel\n"
      "*Boundary, submodel, step=Global\n"
      "Top, 1, 1\nTop, 2, 2\nTop, 3, 3\n"
      "Side, 1, 1\nSide, 2, 2\nSide, 3, 3\n",
      BndGroupText(groups, "Step-2"));
  EXPECT_EQ("", BndGroupText(groups, "Step-1"));
  EXPECT_TRUE(groups.Keywords("Step-1").IsEmpty());

  // A condition with another header opens a block of its own; one with the
  // first header after it opens another.
  aif_SubmodelBoundaryGroups mixed;
  mixed.Add("Step-2", "A", aif_boundary_test::Keyword(BndSubmodel("Global", false), a));
  mixed.Add("Step-2", "B", aif_boundary_test::Keyword(BndSubmodel("Other", false, 2), b));
  mixed.Add("Step-2", "C", aif_boundary_test::Keyword(BndSubmodel("Global", false), c));
  EXPECT_EQ(
      "** Name: A, B, C Type: Submodel\n"
      "*Boundary, submodel, step=Global\n"
      "Top, 1, 1\nTop, 2, 2\nTop, 3, 3\n"
      "*Boundary, submodel, step=Other, inc=2\n"
      "Side, 1, 1\nSide, 2, 2\nSide, 3, 3\n"
      "*Boundary, submodel, step=Global\n"
      "Bottom, 1, 1\nBottom, 2, 2\nBottom, 3, 3\n",
      BndGroupText(mixed, "Step-2"));
}

}  // namespace
