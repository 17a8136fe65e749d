// Inertias: "*Nonstructural Mass", and the point elements and property
// keywords the inertia builder files for point masses, rotary inertias,
// heat capacitances and nonstructural masses in parts, instances and the
// assembly.
#include <gtest/gtest.h>

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "aif/impl/sections/aif_InertiaBuilder.h"
#include "aif/impl/sections/aif_NonstructuralMass.h"
#include "aif_FeatureTestSupport.h"

namespace {

using aif_test::FeatureRegion;
using InertiaBuilt = aif_test::FeatureBuilt<aif_InertiaBuilder>;

kefC_NonstructuralMass Nonstructural(const char* name, const rgnC_Region& region, int units,
                                     double value, bool proportional = false) {
  kefC_NonstructuralMass mass;
  mass.SetName(name);
  mass.SetOwnRegion(region);
  mass.SetValue(units, value, proportional);
  return mass;
}

TEST(aif_NonstructuralMass, UnitsWholeOrNotAtAllAndVolumeProportionalForTotalMassOnly) {
  const rgnC_Region region("Skin", {"Block"});
  auto text = [&](int units, double value, bool proportional) {
    return aif_test::KeywordText(
        aif_NonstructuralMass("Skin", Nonstructural("N", region, units, value, proportional)));
  };
  EXPECT_EQ(text(2, 0.0, false), "");
  EXPECT_EQ(text(2, 2.5, false), "*Nonstructural Mass, elset=Skin, units=MASS PER AREA\n2.5, \n");
  EXPECT_EQ(text(0, 4.0, true),
            "*Nonstructural Mass, elset=Skin, units=TOTAL MASS, "
            "distribution=VOLUME PROPORTIONAL\n4., \n");
  EXPECT_EQ(text(1, 4.0, true), "*Nonstructural Mass, elset=Skin, units=MASS PER VOLUME\n4., \n");
  EXPECT_EQ(text(3, -1.0, false),
            "*Nonstructural Mass, elset=Skin, units=MASS PER LENGTH\n-1., \n");
  // A code without a text leaves the option out rather than a bare "units=".
  EXPECT_EQ(text(9, 1.0, true), "*Nonstructural Mass, elset=Skin\n1., \n");
}

kefC_PointMassInertia PointMass(const char* name, const rgnC_Region& region) {
  kefC_PointMassInertia inertia;
  inertia.SetName(name);
  inertia.SetRegions({region});
  return inertia;
}

TEST(aif_InertiaBuilder, PointMassesHeatCapacitancesAndNonstructuralMasses) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddPart("Light", hst_GridMesh(1, 1, 1));
  // Ids: Block-1 1, Light-1 2, Light-2 3.
  kefC_EngineeringFeatures block;
  kefC_PointMassInertia both = PointMass("Both", FeatureRegion("Tip", {"Block"}, {1}, {7}));
  both.SetMass(2.0);
  both.SetRotaryInertia({1, 2, 3, 0, 0, 0});
  block.AddInertia(both);
  kefC_PointMassInertia only = PointMass("Only", FeatureRegion("Corner", {"Block"}, {1}, {0, 1}));
  only.SetMass(0.5);
  block.AddInertia(only);
  kefC_PointMassInertia excluded = PointMass("Excluded", FeatureRegion("Tip", {"Block"}, {1}, {7}));
  excluded.SetMass(1.0);
  excluded.SetExcluded(true);
  block.AddInertia(excluded);
  kefC_HeatCapacitance heat;
  heat.SetName("Heat");
  heat.SetRegions({FeatureRegion("Tip", {"Block"}, {1}, {7})});
  heat.SetTable(false, 0, {{4.5}});
  block.AddInertia(heat);
  block.AddInertia(Nonstructural("Skin", rgnC_Region("Faces", {"Block"}), 2, 2.5));
  block.AddInertia(Nonstructural("Zero", rgnC_Region("Faces", {"Block"}), 2, 0.0));
  b.SetPartEngineeringFeatures("Block", block);

  kefC_EngineeringFeatures light;
  kefC_PointMassInertia spinning =
      PointMass("Spin", FeatureRegion("My pt", {"Light"}, {2, 3}, {0}));
  spinning.SetRotaryInertia({0.5, 0.5, 0.5, 0, 0, 0});
  light.AddInertia(spinning);
  b.SetPartEngineeringFeatures("Light", light);

  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions lightweight;
  lightweight.lightweight = true;
  b.AddInstance("Light-1", "Light", lightweight);
  b.AddInstance("Light-2", "Light", lightweight);

  kefC_EngineeringFeatures assembly;
  kefC_PointMassInertia held = PointMass("Held", FeatureRegion("Ends", {"Assembly"}, {1, 2}, {3}));
  held.SetMass(1.0);
  held.SetRotaryInertia({4, 5, 6, 0, 0, 0});
  assembly.AddInertia(held);
  assembly.AddInertia(Nonstructural("Cover", rgnC_Region("Cover", {"Assembly"}), 0, 9.0, true));
  b.Assembly().SetEngineeringFeatures(assembly);

  const InertiaBuilt built(b);
  // By name (Excluded left out); with mass and rotary inertia each property in a set of its
  // own (MASS_, ROTI_), with one of them in the set itself.
  EXPECT_EQ(built.Instance("Block-1"),
            "*Element, type=MASS, elset=Block-1__Both_TipMASS_\n2, 8\n"
            "*Mass, elset=Block-1__Both_TipMASS_\n2., \n"
            "*Element, type=ROTARYI, elset=Block-1__Both_TipROTI_\n3, 8\n"
            "*Rotary Inertia, elset=Block-1__Both_TipROTI_\n1., 2., 3., 0., 0., 0.\n"
            "*Element, type=HEATCAP, elset=Block-1__Heat_Tip\n4, 8\n"
            "*Heat Cap, elset=Block-1__Heat_Tip\n 4.5,\n"
            "*Element, type=MASS, elset=Block-1__Only_Corner\n5, 1\n6, 2\n"
            "*Mass, elset=Block-1__Only_Corner\n0.5, \n"
            "*Nonstructural Mass, elset=Faces, units=MASS PER AREA\n2.5, \n");
  // Lightweight instances: the part's inertias once, in the part, named
  // in the part's scope and quoted once as a whole.
  EXPECT_EQ(built.Part("Light"),
            "*Element, type=ROTARYI, elset=\"_Spin_My pt\"\n2, 1\n"
            "*Rotary Inertia, elset=\"_Spin_My pt\"\n0.5, 0.5, 0.5, 0., 0., 0.\n");
  EXPECT_EQ(built.Instance("Light-1") + built.Instance("Light-2") + built.Part("Block"), "");
  EXPECT_EQ(built.Assembly(),
            "*Nonstructural Mass, elset=Cover, units=TOTAL MASS, "
            "distribution=VOLUME PROPORTIONAL\n9., \n"
            "*Element, type=MASS, elset=_Held_EndsMASS_\n1, Block-1.4\n2, Light-1.4\n"
            "*Mass, elset=_Held_EndsMASS_\n1., \n"
            "*Element, type=ROTARYI, elset=_Held_EndsROTI_\n3, Block-1.4\n4, Light-1.4\n"
            "*Rotary Inertia, elset=_Held_EndsROTI_\n4., 5., 6., 0., 0., 0.\n");
}

TEST(aif_InertiaBuilder, FlatNamesOrientationsAndModelsWithoutAssembly) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures block;
  kefC_PointMassInertia spin = PointMass("Spin", FeatureRegion("Tip", {"Block"}, {1, 2}, {7}));
  spin.SetRotaryInertia({1, 1, 1, 0, 0, 0});
  spin.SetOrientationDatum(dtmC_DatumRef{{"Block"}, "Csys"});
  block.AddInertia(spin);
  block.AddInertia(Nonstructural("Skin", rgnC_Region("Faces", {"Block"}), 2, 1.5));
  b.SetPartEngineeringFeatures("Block", block);
  b.AddInstance("B-1", "Block");
  b.AddInstance("B.2", "Block");

  // Part-based: the orientation is the datum's full name; a dotted instance
  // name is composed into the set name and quoted once.
  const InertiaBuilt parts(b);
  EXPECT_EQ(parts.Instance("B.2"),
            "*Nonstructural Mass, elset=Faces, units=MASS PER AREA\n1.5, \n"
            "*Element, type=ROTARYI, elset=\"B.2__Spin_Tip\"\n2, 8\n"
            "*Rotary Inertia, elset=\"B.2__Spin_Tip\", orientation=Block-Csys\n"
            "1., 1., 1., 0., 0., 0.\n");

  // Flat: names and orientations carry the instance, labels their offsets.
  b.Assembly().SetRequiresFlatInputFile(true);
  const InertiaBuilt flat(b);
  EXPECT_EQ(flat.Instance("B-1"),
            "*Nonstructural Mass, elset=B-1_Faces, units=MASS PER AREA\n1.5, \n"
            "*Element, type=ROTARYI, elset=B-1__Spin_Tip\n3, 8\n"
            "*Rotary Inertia, elset=B-1__Spin_Tip, orientation=B-1_Block-Csys\n"
            "1., 1., 1., 0., 0., 0.\n");
  EXPECT_EQ(flat.Instance("B.2"),
            "*Nonstructural Mass, elset=B_2_Faces, units=MASS PER AREA\n1.5, \n"
            "*Element, type=ROTARYI, elset=B_2__Spin_Tip\n4, 16\n"
            "*Rotary Inertia, elset=B_2__Spin_Tip, orientation=B.2_Block-Csys\n"
            "1., 1., 1., 0., 0., 0.\n");

  // The assembly's own nodes are written with plain labels.
  hst_ModelBuilder own;
  own.AddPart("Block", hst_GridMesh(1, 1, 1));
  own.AddInstance("B-1", "Block");
  own.AddAssemblyNodes(hst_GridMesh(1, 1, 1), 0);
  kefC_EngineeringFeatures assembly;
  kefC_PointMassInertia held =
      PointMass("Held", FeatureRegion("Pt", {"Assembly"}, {ftr_kAssemblyId, 1}, {4}));
  held.SetMass(3.0);
  assembly.AddInertia(held);
  own.Assembly().SetEngineeringFeatures(assembly);
  EXPECT_EQ(InertiaBuilt(own).Assembly(),
            "*Element, type=MASS, elset=_Held_Pt\n2, B-1.5\n3, 5\n*Mass, elset=_Held_Pt\n3., \n");

  hst_ModelBuilder without;
  without.AddPart("Block", hst_GridMesh(1, 1, 1));
  without.SetPartEngineeringFeatures("Block", block);
  without.WithoutAssembly();
  const InertiaBuilt nothing(without);
  EXPECT_EQ(nothing.Part("Block") + nothing.Assembly() + nothing.Model(), "");
}

}  // namespace
