#include "chk/impl/chk_TransformsCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <memory>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

const char* const kTransformsHeader =
    "Following attributes are applied to overlapping, intersecting, or\nadjoining regions in "
    "differing coordinate systems:\n";

// A region of instance 1 holding the nodes `nodes` (mesh indices).
rgnC_Region TransformsRegion(const char* name, std::initializer_list<int> nodes) {
  rgnC_Region region(name, {"Assembly", "Block-1"});
  region.SetKernelNodeIndices(1, cow_List<int>(nodes));
  return region;
}

const dtmC_DatumRef kTransformsCsys{{}, "Csys-1"};
const dtmC_DatumRef kTransformsOtherCsys{{}, "Csys-2"};

// A model with one instance of a 2 x 2 x 2 grid (27 nodes).
hst_ModelBuilder TransformsModel() {
  hst_ModelBuilder b("Xform-Model");
  b.AddPart("Block", hst_GridMesh(2, 2, 2));
  b.AddInstance("Block-1", "Block");
  return b;
}

void AddTransformsBC(hst_ModelBuilder& b, const char* name, const rgnC_Region& region,
                     const dtmC_DatumRef& csys = dtmC_DatumRef(), bool suppressed = false,
                     int status = 0) {
  kbcC_DisplacementBC bc;
  bc.SetRegion(region);
  bc.SetLocalCsys(csys);
  bc.SetSuppressed(suppressed);
  bc.SetStatusWord(status);
  b.AddBoundaryCondition(name, bc);
}

template <class Load>
void AddTransformsLoad(hst_ModelBuilder& b, const char* name, const rgnC_Region& region,
                       const dtmC_DatumRef& csys = dtmC_DatumRef(), bool suppressed = false) {
  Load load;
  load.SetRegion(region);
  load.SetLocalCsys(csys);
  load.SetSuppressed(suppressed);
  b.AddLoad(name, load);
}

// A rectangular datum system `name` of the assembly with feature id `id`.
void AddTransformsAssemblyCsys(hst_ModelBuilder& b, const char* name, unsigned id) {
  dtu_DatumCsys csys;
  csys.SetId(id);
  csys.SetName(name);
  b.Assembly().FeatureList().Add(csys);
}

std::vector<std::string> TransformsErrors(const hst_ModelBuilder& b) {
  chk_TransformsCheck check(b.Model(), "Xform-Model");
  check.Run();
  std::vector<std::string> texts = chk_test::Texts(check.Errors());
  EXPECT_TRUE(check.Warnings().IsEmpty());
  // A clone carries the findings collected so far.
  std::unique_ptr<chk_TransformsCheck> clone(check.Clone());
  EXPECT_EQ(check.Errors().Length(), clone->Errors().Length());
  bas_Basis::Instance().Fetch().RemoveModel("Xform-Model");
  return texts;
}

std::vector<std::string> TransformsFinding(const std::string& list) {
  return {kTransformsHeader + list};
}

}  // namespace

TEST(chk_TransformsCheckTest, OneCoordinateSystemGivesNothing) {
  hst_ModelBuilder empty = TransformsModel();
  EXPECT_TRUE(TransformsErrors(empty).empty());

  // Overlapping regions without a system: one group.
  hst_ModelBuilder global = TransformsModel();
  AddTransformsBC(global, "BC-1", TransformsRegion("Left", {0, 1, 2}));
  AddTransformsBC(global, "BC-2", TransformsRegion("Middle", {2, 3}));
  AddTransformsLoad<kloC_ConcentratedForce>(global, "Load-1", TransformsRegion("Tip", {3}));
  EXPECT_TRUE(TransformsErrors(global).empty());

  // Two attributes in the same local system on adjoining regions.
  hst_ModelBuilder local = TransformsModel();
  AddTransformsBC(local, "BC-1", TransformsRegion("Left", {0, 1, 2}), kTransformsCsys);
  AddTransformsLoad<kloC_Moment>(local, "Load-1", TransformsRegion("Right", {2, 5}),
                                 kTransformsCsys);
  EXPECT_TRUE(TransformsErrors(local).empty());

  // The same with the load in another system.
  hst_ModelBuilder differing = TransformsModel();
  AddTransformsBC(differing, "BC-1", TransformsRegion("Left", {0, 1, 2}), kTransformsCsys);
  AddTransformsLoad<kloC_Moment>(differing, "Load-1", TransformsRegion("Right", {2, 5}),
                                 kTransformsOtherCsys);
  EXPECT_EQ(TransformsFinding("BC-1 (BC), Load-1 (Load)"), TransformsErrors(differing));

  // Disjoint regions in differing systems share no node.
  hst_ModelBuilder apart = TransformsModel();
  AddTransformsBC(apart, "BC-1", TransformsRegion("Left", {0, 1}), kTransformsCsys);
  AddTransformsLoad<kloC_Moment>(apart, "Load-1", TransformsRegion("Right", {2, 5}));
  EXPECT_TRUE(TransformsErrors(apart).empty());
}

TEST(chk_TransformsCheckTest, SharedNodesNameEveryAttributeGroupedBySystem) {
  // A BC in a local system and a load without one sharing a single node;
  // a BC and a pressure elsewhere take no part.
  hst_ModelBuilder b = TransformsModel();
  AddTransformsBC(b, "BC-1", TransformsRegion("Left", {0, 1, 2}), kTransformsCsys);
  AddTransformsLoad<kloC_ConcentratedForce>(b, "Load-1", TransformsRegion("Tip", {2, 8}));
  AddTransformsLoad<kloC_Pressure>(b, "Pressure-1", TransformsRegion("Face", {0, 1, 2}));
  AddTransformsBC(b, "BC-2", TransformsRegion("Far", {20}), kTransformsOtherCsys);
  EXPECT_EQ(TransformsFinding("BC-1 (BC), Load-1 (Load)"), TransformsErrors(b));

  // Groups in order of first appearance, entries in model order within a
  // group: the global BC-0 (first in key order) opens the global group, but
  // shares its node only with Load-1 of the same group.
  AddTransformsBC(b, "BC-0", TransformsRegion("Corner", {8}));
  EXPECT_EQ(TransformsFinding("Load-1 (Load), BC-1 (BC)"), TransformsErrors(b));

  // An MPC whose two regions both touch shared nodes is named twice.
  hst_ModelBuilder mpc = TransformsModel();
  AddTransformsBC(mpc, "BC-1", TransformsRegion("Both", {4, 7}));
  kcoC_MPC constraint(TransformsRegion("Slave", {4, 5}), TransformsRegion("Point", {7}),
                      kcoC_MPC::kBeam);
  constraint.SetDatum(kTransformsCsys);
  mpc.AddConstraint("MPC-1", constraint);
  EXPECT_EQ(TransformsFinding("BC-1 (BC), MPC-1 (MPC), MPC-1 (MPC)"), TransformsErrors(mpc));
}

TEST(chk_TransformsCheckTest, SuppressedAttributesAndEquationTerms) {
  hst_ModelBuilder b = TransformsModel();
  const rgnC_Region shared = TransformsRegion("Shared", {3, 4});
  AddTransformsLoad<kloC_ConcentratedForce>(b, "Load-1", shared);
  // Suppressed or set aside: none of these takes part.
  AddTransformsBC(b, "BC-S", shared, kTransformsCsys, true);
  AddTransformsBC(b, "BC-T", shared, kTransformsCsys, false, 1);
  AddTransformsLoad<kloC_Moment>(b, "Load-S", shared, kTransformsCsys, true);
  kcoC_MPC mpc(shared, shared, kcoC_MPC::kPin);
  mpc.SetDatum(kTransformsCsys);
  mpc.SetSuppressed(true);
  b.AddConstraint("MPC-S", mpc);
  kseC_ConnectorSection connector;
  b.AddSection("Conn", connector);
  ptoC_SectionAssignment assignment(shared, "Conn");
  assignment.SetSuppressed(true);
  b.Assembly().AddSectionAssignment(assignment);
  ptoC_ConnectorOrientation orientation(shared);
  orientation.SetFirst(kTransformsCsys);
  b.AddConnectorOrientation(orientation);
  EXPECT_TRUE(TransformsErrors(b).empty());

  // An equation: the term on a set the assembly lacks is skipped, the term on
  // the assembly set "Tip" in the datum system of id 7 counts.
  AddTransformsAssemblyCsys(b, "Csys-7", 7);
  b.AddAssemblyRegion("Tip", TransformsRegion("Tip", {4, 9}));
  kcoC_EquationTerm missing{1.0, "Nowhere", 1, 3};
  kcoC_EquationTerm tip{-1.0, "Tip", 1, 7};
  b.AddConstraint("Eq-1", kcoC_Equation({missing, tip}));
  EXPECT_EQ(TransformsFinding("Eq-1 (Equation), Load-1 (Load)"), TransformsErrors(b));

  // A term without a system joins the global group.
  hst_ModelBuilder ids = TransformsModel();
  ids.AddAssemblyRegion("Tip", TransformsRegion("Tip", {4, 9}));
  ids.AddConstraint("Eq-1", kcoC_Equation({{1.0, "Tip", 1, -1}}));
  AddTransformsLoad<kloC_ConcentratedForce>(ids, "Load-1", shared);
  EXPECT_TRUE(TransformsErrors(ids).empty());
  EXPECT_NE(chk_TransformsCheck::SystemKey(dtmC_DatumRef{{"A.B"}, "C"}),
            chk_TransformsCheck::SystemKey(dtmC_DatumRef{{"A"}, "B.C"}));
}

TEST(chk_TransformsCheckTest, EquationTermsAreInTheSystemOfTheDatumTheirIdNames) {
  // A BC in "Csys-1" and an equation whose term names the same datum by its
  // id share node 9: one system, no finding.
  hst_ModelBuilder b = TransformsModel();
  AddTransformsAssemblyCsys(b, "Csys-1", 7);
  b.AddAssemblyRegion("Tip", TransformsRegion("Tip", {4, 9}));
  AddTransformsBC(b, "BC-1", TransformsRegion("Nine", {9, 10}), kTransformsCsys);
  b.AddConstraint("Eq-1", kcoC_Equation({{1.0, "Tip", 1, 7}}));
  EXPECT_TRUE(TransformsErrors(b).empty());

  // A load in "Csys-2" on node 4 of the same set is a real difference.
  AddTransformsLoad<kloC_Moment>(b, "Load-1", TransformsRegion("Four", {4}), kTransformsOtherCsys);
  EXPECT_EQ(TransformsFinding("Eq-1 (Equation), Load-1 (Load)"), TransformsErrors(b));

  // An id that names no datum (no feature, or the set's own feature) is the
  // global system: against the BC in "Csys-1" on node 9.
  for (const bool setId : {false, true}) {
    hst_ModelBuilder none = TransformsModel();
    AddTransformsAssemblyCsys(none, "Csys-1", 7);
    const unsigned tipId = none.AddAssemblyRegion("Tip", TransformsRegion("Tip", {4, 9}));
    const int id = setId ? static_cast<int>(tipId) : 99;
    AddTransformsBC(none, "BC-1", TransformsRegion("Nine", {9, 10}), kTransformsCsys);
    AddTransformsLoad<kloC_ConcentratedForce>(none, "Load-1", TransformsRegion("Four", {4}));
    none.AddConstraint("Eq-2", kcoC_Equation({{1.0, "Tip", 1, id}}));
    EXPECT_EQ(TransformsFinding("BC-1 (BC), Eq-2 (Equation)"), TransformsErrors(none))
        << "id " << id;
  }
}

TEST(chk_TransformsCheckTest, ConnectorEntriesOnSharedNodesAreNamed) {
  hst_ModelBuilder b = TransformsModel();
  AddTransformsBC(b, "BC-1", TransformsRegion("Ends", {0, 6, 12, 18}));
  // A named orientation in Csys-1; an MPC section on a picked region whose
  // orientation is found by its region; a connector on a region without a
  // name in Csys-2; a connector whose orientation name is unknown (global).
  b.AddAssemblySection("Hinge", kseC_ConnectorSection(), TransformsRegion("Wire-1", {0, 1}),
                       "Wire-1");
  ptoC_ConnectorOrientation named(TransformsRegion("Wire-1", {0, 1}));
  named.SetFirst(kTransformsCsys);
  b.AddConnectorOrientation(named);
  rgnC_Region picked = TransformsRegion("", {6, 7});
  picked.SetPicked(true);
  b.AddAssemblySection("Link", kseC_MPCSection(), picked);
  ptoC_ConnectorOrientation byRegion(picked);
  byRegion.SetFirst(kTransformsCsys);
  b.AddConnectorOrientation(byRegion);
  rgnC_Region nameless("", {"Assembly"});
  nameless.SetKernelNodeIndices(1, {12});
  b.AddAssemblySection("Beam", kseC_ConnectorSection(), nameless);
  ptoC_ConnectorOrientation unnamed(nameless);
  unnamed.SetFirst(kTransformsOtherCsys);
  b.AddConnectorOrientation(unnamed);
  b.AddAssemblySection("Free", kseC_ConnectorSection(), TransformsRegion("Wire-4", {18}),
                       "Missing");
  // Free shares node 18 with BC-1 only, in the one global group.
  EXPECT_EQ(
      TransformsFinding("BC-1 (BC), Wire-1 (Connector), (Picked) (Connector), Beam (Connector)"),
      TransformsErrors(b));
}

TEST(chk_TransformsCheckTest, ModelWithoutAssemblyGivesNothing) {
  hst_ModelBuilder b = TransformsModel();
  b.WithoutAssembly();
  AddTransformsBC(b, "BC-1", TransformsRegion("Left", {0, 1, 2}), kTransformsCsys);
  AddTransformsLoad<kloC_ConcentratedForce>(b, "Load-1", TransformsRegion("Tip", {2}));
  EXPECT_TRUE(TransformsErrors(b).empty());
}

TEST(chk_TransformsCheckTest, FailedTypeTestPassesOutOfRun) {
  // An assembly attribute listed as a section assignment that is none.
  hst_ModelBuilder b = TransformsModel();
  b.AddSection("Conn", kseC_ConnectorSection());
  b.Assembly().AddSectionAssignment(ptoC_ConnectorOrientation(TransformsRegion("Wire", {0})));
  chk_TransformsCheck check(b.Model(), "Xform-Model");
  try {
    check.Run();
    ADD_FAILURE() << "the type test did not fail";
  } catch (const nex_TextException& e) {
    EXPECT_NE(std::string::npos, e.Text().Str().find("module/chk/impl/chk_TransformsCheck.cpp"));
  }
  EXPECT_TRUE(check.Errors().IsEmpty());
  bas_Basis::Instance().Fetch().RemoveModel("Xform-Model");
}
