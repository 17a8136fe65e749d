// The assembled-fastener conditions of the engineering-features check, each
// from a small variant of one template and model that are in order.
#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/msh_Interfaces.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_EngineeringFeaturesCheck.h"

namespace {

// The warning headers by condition number (index 0 unused).
const char* const kAfChkHeaders[] = {
    "",
    "\nThe following assembled fasteners specify a non-unique\nprefix string:",
    "\nThe following assembled fasteners reference non-existent\ntemplate models:",
    "\nThe following assembled fasteners reference a template\nmodels that do not contain an "
    "assembly:",
    "\nThe following assembled fasteners reference attachment\npoint regions that are not valid "
    "(possibly deleted or\nrenamed):",
    "\nThe following assembled fasteners reference attachment\npoint regions that are empty "
    "(contain no data):",
    "\nThe following assembled fasteners reference a control point\nset that is not valid "
    "(possibly deleted or renamed):",
    "\nThe following assembled fasteners reference a control point\nset that is empty:",
    "\nThe following assembled fasteners reference a control point\nset that does not contain a "
    "single point:",
    "\nThe following assembled fasteners reference a control point\nset that refers to a deleted "
    "or suppressed point/node:",
    "\nThe following assembled fasteners reference an assigned\nsurface that has been deleted or "
    "renamed:",
    "\nThe following assembled fasteners reference an assigned\nsurface that is empty:",
    "\nThe following assembled fasteners reference a template\nsurface that has been deleted or "
    "renamed:",
    "\nThe following assembled fasteners reference a template\nsurface that is empty:",
    "\nThe following assembled fasteners reference a template\nsurface that is an orphan mesh "
    "(not allowed):",
    "\nThe following assembled fasteners reference a CSYS that\nhas been deleted or suppressed:",
    "\nThe following assembled fasteners reference a template\nmodel with unmeshed parts (other "
    "than constraint surfaces):",
    "\nThe following assembled fasteners reference a template\nmodel with parts that contain "
    "incompatible mesh boundaries\n(internal Tie constraints will NOT be written):",
    "\nThe following assembled fasteners reference a template\nmodel that contains a part for "
    "which the section data has\nnot been assigned:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a part for "
    "which the section data has\nnot been copied to the main model:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a part for "
    "which the section type is\nnot suported:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a beam part "
    "for which the orientation\nhas not been completely specified (the orientation region\nmust "
    "match the assignment region):",
    "\nThe following assembled fasteners reference a template\nmodel that does not contain any "
    "valid geometry:",
    "\nThe following assembled fasteners reference a template\nmodel surface for which no "
    "constraint exists:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
    "constraint with an invalid\nreference point:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
    "constraint with an internal\n(picked) surface:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
    "constraint that does not\nconstrain all DOFs:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
    "constraint that specifies\na CSYS:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a Coupling "
    "constraint with a surface\nnot found in the surface assignment table:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a Tie "
    "constraint with an internal\n(picked) master surface:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a Tie "
    "constraint with a master surface\nnot found in the surface assignment table:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a Tie "
    "constraint with a slave surface\nregion (must be a node set region):",
    "\nThe following assembled fasteners reference a template\nmodel that contains an Adjust "
    "Points constraint with an\ninvalid control point region:",
    "\nThe following assembled fasteners reference a template\nmodel that contains an Adjust "
    "Points constraint with an\ninternal (picked) surface:",
    "\nThe following assembled fasteners reference a template\nmodel that contains an Adjust "
    "Points constraint with a\nsurface not found in the surface assignment table:",
    "\nThe following assembled fasteners reference a template\nmodel that contains unsupported "
    "constraint types:",
    "\nThe following assembled fasteners reference a template\nmodel that contains a connector "
    "for which the section data\nhas not been copied to the main model:",
};

// Condition `n`'s warning with the lines `lines` (each "\n  name  (...)").
std::string AfChkWarning(int n, const std::string& lines) {
  return kAfChkHeaders[n] + lines;
}

rgnC_Region AfChkFaceRegion(const char* name, const char* instance) {
  rgnC_Region region(name, {"Assembly", instance});
  rgnC_GeomComponent face;
  face.kind = rgnC_GeomComponent::kFace;
  region.SetKernelComponents({face});
  return region;
}

// The template "AfCheckTemplate": a meshed bolt of section "Steel" (copied
// into the model as "B_Steel"), an unmeshed washer that carries the
// template surface "Face", the one-point control set "Pos", a coupling of
// the reference point "RP" to "Face", and a connector of section "Conn"
// (copied as "B_Conn"). The model: a plate with the surface "Top" and the
// two attachment points "Points", and the assembled fastener "AF-1".
struct AfChkSetup {
  AfChkSetup() {
    position.SetKernelRefPoints({gsl_Point(0, 0, -1)});
    points.SetKernelNodeIndices(1, {0, 1});
    coupling = kcoC_Coupling(rgnC_Region("RP", {"Assembly"}), face, kcoC_Coupling::kKinematic);
    fastener.SetRegion(points);
    fastener.templateModel = "AfCheckTemplate";
    fastener.positioningSet = "Pos";
    fastener.prefix = "B";
    fastener.surfaceNames = {"Top"};
    fastener.templateRegionNames = {"Face"};
  }

  // Template.
  std::shared_ptr<bme_Mesh> boltMesh = hst_GridMesh(1, 1, 1);
  bool boltSection = true;
  bool boltActive = true;
  std::vector<ptoC_BeamOrientation> boltOrientations;
  std::shared_ptr<kseC_Section> templateSteel = std::make_shared<kseC_HomogenousSolidSection>();
  rgnC_Region position{"Pos", {"Assembly"}};
  rgnC_Region face = AfChkFaceRegion("Face", "Washer-1");
  kcoC_Coupling coupling;
  std::function<void(hst_ModelBuilder&)> templateExtra;
  // Model.
  rgnC_Region points{"Points", {"Assembly"}};
  rgnC_Region top = AfChkFaceRegion("Top", "Plate-1");
  std::shared_ptr<kseC_Section> modelSteel = std::make_shared<kseC_HomogenousSolidSection>();
  bool modelConn = true;
  kefC_AssembledFastener fastener;
  std::function<void(hst_ModelBuilder&)> modelExtra;
};

// The template (registered in the model database) and the model of `setup`.
bas_NewModel AfChkModels(AfChkSetup& setup) {
  hst_ModelBuilder t("AfCheckTemplate");
  t.AddPart("Bolt", setup.boltMesh);
  if (setup.boltSection)
    t.AddPartAttribute("Bolt", ptoC_SectionAssignment(rgnC_Region("All", {"Bolt"}), "Steel"));
  for (const ptoC_BeamOrientation& orientation : setup.boltOrientations)
    t.AddPartAttribute("Bolt", orientation);
  if (setup.templateSteel) t.AddSection("Steel", *setup.templateSteel);
  t.AddPart("Washer");
  hst_ModelBuilder::InstanceOptions bolt;
  bolt.active = setup.boltActive;
  t.AddInstance("Bolt-1", "Bolt", bolt);
  t.AddInstance("Washer-1", "Washer");
  t.AddAssemblyRegion("Pos", setup.position);
  t.AddAssemblyRegion("Face", setup.face, true);
  t.AddAssemblyRegion("RP", rgnC_Region("RP", {"Assembly"}));
  t.AddAssemblySection("Conn", kseC_ConnectorSection(), rgnC_Region("Wires", {"Assembly"}));
  t.AddConstraint("Coupling-1", setup.coupling);
  if (setup.templateExtra) setup.templateExtra(t);
  t.Model();

  hst_ModelBuilder m("AfCheckModel");
  m.AddPart("Plate", hst_GridMesh(2, 2, 1));
  m.AddInstance("Plate-1", "Plate");
  m.AddAssemblyRegion("Top", setup.top, true);
  if (setup.modelSteel) m.AddSection("B_Steel", *setup.modelSteel);
  if (setup.modelConn) m.AddSection("B_Conn", kseC_ConnectorSection());
  setup.fastener.SetRegion(setup.points);
  m.AddFastener("AF-1", setup.fastener);
  if (setup.modelExtra) setup.modelExtra(m);
  return m.Model();
}

// The check's warnings for `setup` (no errors expected).
std::vector<std::string> AfChkCheck(AfChkSetup& setup) {
  chk_EngineeringFeaturesCheck check(AfChkModels(setup), "AfCheckModel");
  check.Run();
  EXPECT_TRUE(check.Errors().IsEmpty());
  std::vector<std::string> warnings = chk_test::Texts(check.Warnings());
  bas_Basis::Instance().Fetch().RemoveModel("AfCheckModel");
  bas_Basis::Instance().Fetch().RemoveModel("AfCheckTemplate");
  return warnings;
}

struct AfChkVariant {
  const char* what;
  std::function<void(AfChkSetup&)> change;
  std::vector<std::string> expected;
};

void AfChkRunVariants(const std::vector<AfChkVariant>& variants) {
  for (const AfChkVariant& variant : variants) {
    AfChkSetup setup;
    if (variant.change) variant.change(setup);
    EXPECT_EQ(AfChkCheck(setup), variant.expected) << variant.what;
  }
}

// A tie "Tie-1" of `master` to a node set.
void AfChkAddTie(AfChkSetup& s, const rgnC_Region& master, int slaveFlags = 0) {
  s.templateExtra = [master, slaveFlags](hst_ModelBuilder& t) {
    kcoC_Tie tie;
    tie.SetRegions(master, rgnC_Region("Nodes", {"Assembly", "Bolt-1"}, slaveFlags));
    t.AddConstraint("Tie-1", tie);
  };
}

void AfChkAddAdjust(AfChkSetup& s, const rgnC_Region& points, const rgnC_Region& surface) {
  s.templateExtra = [points, surface](hst_ModelBuilder& t) {
    t.AddConstraint("Adjust-1", kcoC_AdjustPoints(points, surface));
  };
}

rgnC_Region AfChkPicked(rgnC_Region region) {
  region.SetPicked(true);
  return region;
}

rgnC_Region AfChkInvalid(rgnC_Region region) {
  region.SetKernelValid(false);
  return region;
}

}  // namespace

TEST(chk_AssembledFastenerCheckTest, EachConditionFromAVariantOfOneTemplate) {
  const rgnC_Region other = AfChkFaceRegion("Other", "Washer-1");
  AfChkRunVariants({
      {"in order", nullptr, {}},
      {"suppressed",
       [](AfChkSetup& s) {
         s.fastener.SetSuppressed(true);
         s.fastener.templateModel = "AfNoSuchTemplate";
       },
       {}},
      {"warning 1: Q and R repeat P's prefix",
       [](AfChkSetup& s) {
         s.modelExtra = [&s](hst_ModelBuilder& m) {
           m.AddFastener("AF-3", s.fastener);
           m.AddFastener("AF-2", s.fastener);
         };
       },
       {AfChkWarning(1, "\n  AF-2  (B)\n  AF-3  (B)")}},
      {"warning 2",
       [](AfChkSetup& s) { s.fastener.templateModel = "AfNoSuchTemplate"; },
       {AfChkWarning(2, "\n  AF-1  (AfNoSuchTemplate)")}},
      {"warning 3",
       [](AfChkSetup& s) { s.templateExtra = [](hst_ModelBuilder& t) { t.WithoutAssembly(); }; },
       {AfChkWarning(3, "\n  AF-1  (AfCheckTemplate)")}},
      {"warning 4",
       [](AfChkSetup& s) { s.points.SetKernelValid(false); },
       {AfChkWarning(4, "\n  AF-1  (Points)")}},
      {"warning 4 picked",
       [](AfChkSetup& s) {
         s.points.SetPicked(true);
         s.points.SetKernelInstancesExist(false);
       },
       {AfChkWarning(4, "\n  AF-1  ((Picked))")}},
      {"warning 5",
       [](AfChkSetup& s) { s.points = rgnC_Region("Points", {"Assembly"}); },
       {AfChkWarning(5, "\n  AF-1  (Points)")}},
      {"warning 6",
       [](AfChkSetup& s) { s.fastener.positioningSet = "Nowhere"; },
       {AfChkWarning(6, "\n  AF-1  (Nowhere)")}},
      {"warning 7",
       [](AfChkSetup& s) { s.position.SetKernelRefPoints({}); },
       {AfChkWarning(7, "\n  AF-1  (Pos)")}},
      {"warning 8",
       [](AfChkSetup& s) {
         s.position.SetKernelRefPoints({gsl_Point(0, 0, 0), gsl_Point(1, 0, 0)});
       },
       {AfChkWarning(8, "\n  AF-1  (Pos)")}},
      {"warning 9 reference point",
       [](AfChkSetup& s) { s.position.SetKernelRefPoints({std::nullopt}); },
       {AfChkWarning(9, "\n  AF-1  (Pos)")}},
      {"warning 9 node",
       [](AfChkSetup& s) {
         s.position = rgnC_Region("Pos", {"Assembly", "Bolt-1"});
         s.position.SetKernelNodeIndices(1, {-1});  // a node the kernel lost
       },
       {AfChkWarning(9, "\n  AF-1  (Pos)")}},
      {"warning 10",
       [](AfChkSetup& s) { s.fastener.surfaceNames = {"Gone"}; },
       {AfChkWarning(10, "\n  AF-1  (Gone)")}},
      {"warning 11",
       [](AfChkSetup& s) {
         s.top = rgnC_Region("Top", {"Assembly", "Plate-1"});
       },
       {AfChkWarning(11, "\n  AF-1  (Top)")}},
      {"warning 12",
       [](AfChkSetup& s) { s.fastener.templateRegionNames = {"Lost"}; },
       {AfChkWarning(12, "\n  AF-1  (Lost)")}},
      {"warning 13",
       [](AfChkSetup& s) {
         s.face = rgnC_Region("Face", {"Assembly", "Washer-1"});
       },
       {AfChkWarning(13, "\n  AF-1  (Face)")}},
      {"warning 14",
       [](AfChkSetup& s) {
         s.face.SetKernelNodeIndices(2, {0, 1, 2});
       },
       {AfChkWarning(14, "\n  AF-1  (Face)")}},
      {"warning 15 named",
       [](AfChkSetup& s) {
         s.fastener.orientationMethod = 1;
         s.fastener.datum = dtmC_DatumRef{{"Plate-1"}, "Csys-9"};
       },
       {AfChkWarning(15, "\n  AF-1  (Plate-1 Csys-9)")}},
      {"warning 15 no longer named",
       [](AfChkSetup& s) {
         s.fastener.orientationMethod = 1;
         s.fastener.datum = dtmC_DatumRef{{"Plate-1"}, "Csys-9"};
         s.fastener.datum.kernelUnnamed = true;
       },
       {AfChkWarning(15, "\n  AF-1")}},
      {"warning 15 not for orientation by normals",
       [](AfChkSetup& s) {
         s.fastener.datum = dtmC_DatumRef{{"Plate-1"}, "Csys-9"};
       },
       {}},
      {"warning 16",
       [](AfChkSetup& s) {
         s.templateExtra = [](hst_ModelBuilder& t) {
           t.AddPart("Nut");
           t.AddInstance("Nut-1", "Nut");
         };
       },
       {AfChkWarning(16, "\n  AF-1  (AfCheckTemplate, Nut-1)")}},
      {"warning 17",
       [](AfChkSetup& s) {
         auto interfaces = std::make_shared<msh_MeshInterfaces>();
         interfaces->incompatibleFaces.emplace_back(msh_DiscreteFace(), msh_DiscreteFace(), 0.1);
         s.boltMesh->SetInterfaces(interfaces);
       },
       {AfChkWarning(17, "\n  AF-1  (AfCheckTemplate, Bolt-1)")}},
      {"a meshed instance carrying a template surface: no section examined",
       [](AfChkSetup& s) {
         s.face = AfChkFaceRegion("Face", "Bolt-1");
         s.coupling.SetRegions(rgnC_Region("RP", {"Assembly"}), s.face);
         s.boltSection = false;
       },
       {AfChkWarning(16, "\n  AF-1  (AfCheckTemplate, Washer-1)")}},
      {"warning 18",
       [](AfChkSetup& s) { s.boltSection = false; },
       {AfChkWarning(18, "\n  AF-1  (Bolt-1)")}},
      {"warning 19",
       [](AfChkSetup& s) { s.modelSteel = nullptr; },
       {AfChkWarning(19, "\n  AF-1  (Bolt-1, B_Steel)")}},
      {"warning 20 in the template",
       [](AfChkSetup& s) { s.templateSteel = std::make_shared<kseC_MembraneSection>(); },
       {AfChkWarning(20, "\n  AF-1  (Bolt-1, Steel)")}},
      {"warning 20 in the model",
       [](AfChkSetup& s) { s.modelSteel = std::make_shared<kseC_MembraneSection>(); },
       {AfChkWarning(20, "\n  AF-1  (Bolt-1, Steel)")}},
      {"warning 21 without orientation",
       [](AfChkSetup& s) { s.modelSteel = std::make_shared<kseC_BeamSection>(); },
       {AfChkWarning(21, "\n  AF-1  (Bolt-1)")}},
      {"warning 21 last orientation elsewhere",
       [](AfChkSetup& s) {
         s.modelSteel = std::make_shared<kseC_BeamSection>();
         s.boltOrientations = {ptoC_BeamOrientation(rgnC_Region("All", {"Bolt"}), {0, 0, 1}),
                               ptoC_BeamOrientation(rgnC_Region("Half", {"Bolt"}), {0, 0, 1})};
       },
       {AfChkWarning(21, "\n  AF-1  (Bolt-1)")}},
      {"warning 21 not when the last orientation covers the assignment",
       [](AfChkSetup& s) {
         s.modelSteel = std::make_shared<kseC_BeamSection>();
         s.boltOrientations = {ptoC_BeamOrientation(rgnC_Region("Half", {"Bolt"}), {0, 0, 1}),
                               ptoC_BeamOrientation(rgnC_Region("All", {"Bolt"}), {0, 0, 1})};
       },
       {}},
      {"warning 22",
       [](AfChkSetup& s) { s.boltActive = false; },
       {AfChkWarning(22, "\n  AF-1  (AfCheckTemplate)")}},
      {"warning 22 not with reference points of the template assembly",
       [](AfChkSetup& s) {
         s.boltActive = false;
         s.templateExtra = [](hst_ModelBuilder& t) { t.AddAssemblyNodes(nullptr, 1); };
       },
       {}},
      {"warning 23",
       [](AfChkSetup& s) {
         s.fastener.templateRegionNames = {"Face", "Side"};
         s.fastener.surfaceNames = {"Top", "Top"};
         s.templateExtra = [](hst_ModelBuilder& t) {
           t.AddAssemblyRegion("Side", AfChkFaceRegion("Side", "Washer-1"), true);
         };
       },
       {AfChkWarning(23, "\n  AF-1  (Side)")}},
      {"warning 24",
       [](AfChkSetup& s) {
         s.coupling.SetRegions(AfChkInvalid(rgnC_Region("RP", {"Assembly"})), s.face);
       },
       {AfChkWarning(24, "\n  AF-1  (Coupling-1, RP)")}},
      {"warning 25 (and its surface unused)",
       [](AfChkSetup& s) {
         s.coupling.SetRegions(rgnC_Region("RP", {"Assembly"}), AfChkPicked(s.face));
       },
       {AfChkWarning(23, "\n  AF-1  (Face)"), AfChkWarning(25, "\n  AF-1  (Coupling-1)")}},
      {"warning 26",
       [](AfChkSetup& s) { s.coupling.SetDof(4, false); },
       {AfChkWarning(26, "\n  AF-1  (Coupling-1)")}},
      {"warning 27",
       [](AfChkSetup& s) {
         s.coupling.SetDatum(dtmC_DatumRef{{}, "Csys-1"});
       },
       {AfChkWarning(27, "\n  AF-1  (Coupling-1)")}},
      {"warning 28",
       [other](AfChkSetup& s) { s.coupling.SetRegions(rgnC_Region("RP", {"Assembly"}), other); },
       {AfChkWarning(23, "\n  AF-1  (Face)"),
        AfChkWarning(28, "\n  AF-1  (Coupling-1, Washer-1.Other)")}},
      {"tie in order", [](AfChkSetup& s) { AfChkAddTie(s, s.face); }, {}},
      {"warning 29",
       [](AfChkSetup& s) { AfChkAddTie(s, AfChkPicked(s.face)); },
       {AfChkWarning(29, "\n  AF-1  (Tie-1)")}},
      {"warning 30",
       [other](AfChkSetup& s) { AfChkAddTie(s, other); },
       {AfChkWarning(30, "\n  AF-1  (Tie-1, Washer-1.Other)")}},
      {"warning 31 (with warning 29)",
       [](AfChkSetup& s) { AfChkAddTie(s, AfChkPicked(s.face), 8); },
       {AfChkWarning(29, "\n  AF-1  (Tie-1)"), AfChkWarning(31, "\n  AF-1  (Tie-1)")}},
      {"adjust points in order",
       [](AfChkSetup& s) { AfChkAddAdjust(s, rgnC_Region("Pts", {"Assembly"}), s.face); },
       {}},
      {"warning 32",
       [](AfChkSetup& s) {
         AfChkAddAdjust(s, AfChkInvalid(rgnC_Region("Pts", {"Assembly"})), s.face);
       },
       {AfChkWarning(32, "\n  AF-1  (Adjust-1, Pts)")}},
      {"warning 33",
       [](AfChkSetup& s) {
         AfChkAddAdjust(s, rgnC_Region("Pts", {"Assembly"}), AfChkPicked(s.face));
       },
       {AfChkWarning(33, "\n  AF-1  (Adjust-1)")}},
      {"warning 34",
       [other](AfChkSetup& s) { AfChkAddAdjust(s, rgnC_Region("Pts", {"Assembly"}), other); },
       {AfChkWarning(34, "\n  AF-1  (Adjust-1, Washer-1.Other)")}},
      {"warning 35, not for a suppressed constraint",
       [](AfChkSetup& s) {
         s.templateExtra = [](hst_ModelBuilder& t) {
           t.AddConstraint("Eq-1", kcoC_Equation());
           kcoC_Equation off;
           off.SetSuppressed(true);
           t.AddConstraint("Eq-0", off);
           kcoC_Coupling broken;
           broken.SetDof(1, false);
           broken.SetSuppressed(true);
           t.AddConstraint("Coupling-0", broken);
         };
       },
       {AfChkWarning(35, "\n  AF-1  (Eq-1)")}},
      {"warning 36", [](AfChkSetup& s) { s.modelConn = false; }, {AfChkWarning(36, "\n  AF-1  (B_Conn)")}},
  });
}

// An assigned-surface list shorter than the template surfaces: the missing
// surface is an assigned surface that is not valid, named as missing.
TEST(chk_AssembledFastenerCheckTest, ShortAssignedSurfaceList) {
  AfChkRunVariants({
      {"none assigned",
       [](AfChkSetup& s) { s.fastener.surfaceNames = {}; },
       {AfChkWarning(10, "\n  AF-1  (no assigned surface for Face)")}},
      {"the second missing, the second template surface lost too",
       [](AfChkSetup& s) {
         s.fastener.templateRegionNames = {"Face", "Lost"};
       },
       {AfChkWarning(10, "\n  AF-1  (no assigned surface for Lost)"),
        AfChkWarning(12, "\n  AF-1  (Lost)")}},
      {"an empty name",
       [](AfChkSetup& s) { s.fastener.surfaceNames = {""}; },
       {AfChkWarning(10, "\n  AF-1  (no assigned surface for Face)")}},
  });
}

// A condition that gives up on a fastener hides every later condition for
// it; the conditions within the surface step, among the template's parts
// and among its constraints accumulate; the prefix is noted before giving
// up.
TEST(chk_AssembledFastenerCheckTest, GiveUpRules) {
  AfChkRunVariants({
      {"warning 2 hides the rest",
       [](AfChkSetup& s) {
         s.fastener.templateModel = "AfNoSuchTemplate";
         s.modelConn = false;
         s.modelSteel = nullptr;
       },
       {AfChkWarning(2, "\n  AF-1  (AfNoSuchTemplate)")}},
      {"warning 1 and warning 2 for the same fastener",
       [](AfChkSetup& s) {
         s.modelExtra = [&s](hst_ModelBuilder& m) {
           kefC_AssembledFastener second = s.fastener;
           second.templateModel = "AfNoSuchTemplate";
           m.AddFastener("AF-2", second);
         };
       },
       {AfChkWarning(1, "\n  AF-2  (B)"), AfChkWarning(2, "\n  AF-2  (AfNoSuchTemplate)")}},
      {"warning 8 hides the sections",
       [](AfChkSetup& s) {
         s.position.SetKernelRefPoints({gsl_Point(0, 0, 0), gsl_Point(1, 0, 0)});
         s.modelSteel = nullptr;
       },
       {AfChkWarning(8, "\n  AF-1  (Pos)")}},
      {"warning 10 and warning 12 at one index, nothing after them",
       [](AfChkSetup& s) {
         s.fastener.surfaceNames = {"Gone"};
         s.fastener.templateRegionNames = {"Lost"};
         s.modelSteel = nullptr;
         s.coupling.SetDof(2, false);
       },
       {AfChkWarning(10, "\n  AF-1  (Gone)"), AfChkWarning(12, "\n  AF-1  (Lost)")}},
      {"warning 15 hides the parts",
       [](AfChkSetup& s) {
         s.fastener.orientationMethod = 1;
         s.fastener.datum = dtmC_DatumRef{{}, "Csys-9"};
         s.modelSteel = nullptr;
       },
       {AfChkWarning(15, "\n  AF-1  (Csys-9)")}},
      {"warning 22 hides the constraints",
       [](AfChkSetup& s) {
         s.boltActive = false;
         s.coupling.SetDof(2, false);
         s.modelConn = false;
       },
       {AfChkWarning(22, "\n  AF-1  (AfCheckTemplate)")}},
      {"parts, constraints and connectors accumulate, in table order",
       [](AfChkSetup& s) {
         s.modelConn = false;
         s.modelSteel = nullptr;
         s.coupling.SetDof(6, false);
         s.coupling.SetDatum(dtmC_DatumRef{{}, "Csys-1"});
         s.templateExtra = [](hst_ModelBuilder& t) {
           t.AddPart("Nut");
           t.AddInstance("Nut-1", "Nut");
         };
       },
       {AfChkWarning(16, "\n  AF-1  (AfCheckTemplate, Nut-1)"),
        AfChkWarning(19, "\n  AF-1  (Bolt-1, B_Steel)"), AfChkWarning(26, "\n  AF-1  (Coupling-1)"),
        AfChkWarning(27, "\n  AF-1  (Coupling-1)"), AfChkWarning(36, "\n  AF-1  (B_Conn)")}},
  });
}

// The warnings are appended after the walk: a failed type test on a later
// fastener leaves none of the earlier ones' findings.
TEST(chk_AssembledFastenerCheckTest, FailedTypeTestLeavesNoFinding) {
  AfChkSetup setup;
  setup.templateExtra = [](hst_ModelBuilder& t) {
    t.Assembly().AddSectionAssignment(kcoC_Equation());
  };
  setup.modelExtra = [&setup](hst_ModelBuilder& m) {
    kefC_AssembledFastener first = setup.fastener;
    first.templateModel = "AfNoSuchTemplate";
    m.AddFastener("AF-0", first);
  };
  chk_EngineeringFeaturesCheck check(AfChkModels(setup), "AfCheckModel");
  EXPECT_THROW(check.Run(), nex_Exception);
  EXPECT_TRUE(check.Warnings().IsEmpty());
  EXPECT_TRUE(check.Errors().IsEmpty());
  bas_Basis::Instance().Fetch().RemoveModel("AfCheckModel");
  bas_Basis::Instance().Fetch().RemoveModel("AfCheckTemplate");
}
