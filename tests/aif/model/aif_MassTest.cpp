// "*Mass", "*Rotary Inertia" and "*Heat Cap": options only for values that
// are set, the data lines, and the empty keywords the builders leave out.
#include <string>

#include "OdbAttrEO/kseC_PointSection.h"
#include "aif/impl/model/aif_HeatCap.h"
#include "aif/impl/model/aif_Mass.h"
#include "aif/impl/model/aif_RotaryInertia.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

kseC_PointSection Section(double mass, double alpha = 0, double composite = 0) {
  kseC_PointSection section;
  section.SetMass(mass);
  section.SetDamping(alpha, composite);
  return section;
}

TEST(aif_Mass, OptionsOnlyWhenSetAndTheDataLineKeepsItsSeparator) {
  EXPECT_EQ(KeywordText(aif_Mass("Pt", Section(0.25, 0.1, 0.5))),
            "*Mass, elset=Pt, alpha=0.1, composite=0.5\n0.25, \n");
  // A long line goes on after a separator, never inside an option.
  const std::string name(125, 'M');
  EXPECT_EQ(KeywordText(aif_Mass(cow_String(name), Section(1, 0.1, 0.5))),
            "*Mass, elset=" + name + ", \nalpha=0.1, composite=0.5\n1., \n");

  // No mass, whatever the damping: nothing; a negative mass is written.
  aif_Mass none("Pt", Section(0, 0.1, 0.5));
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ(KeywordText(none), "");
  EXPECT_EQ(KeywordText(aif_Mass("Pt", -1, 0, 0)), "*Mass, elset=Pt\n-1., \n");
}

TEST(aif_RotaryInertia, UpperTriangleIsWrittenInDataLineOrder) {
  kseC_PointSection section = Section(0, 0, 0.3);
  section.SetRotaryInertia({1, 2, 3, 4, 5, 6});  // I11 I12 I13 I22 I23 I33
  aif_RotaryInertia inertia("Pt", section, "");
  EXPECT_EQ(KeywordText(inertia),
            "*Rotary Inertia, elset=Pt, composite=0.3\n1., 4., 6., 2., 3., 5.\n");

  // One off-diagonal component is enough.
  section = Section(0);
  section.SetRotaryInertia({0, 2.5, 0, 0, 0, 0});
  EXPECT_EQ(KeywordText(aif_RotaryInertia("Pt", section, "")),
            "*Rotary Inertia, elset=Pt\n0., 0., 0., 2.5, 0., 0.\n");

  // Two long names: the orientation goes on a line of its own rather than
  // past the 256 characters the solver reads.
  const std::string set(150, 'S'), orientation(150, 'O');
  EXPECT_EQ(KeywordText(aif_RotaryInertia(set.c_str(), section, orientation.c_str())),
            "*Rotary Inertia, elset=" + set + ", \norientation=" + orientation +
                "\n0., 0., 0., 2.5, 0., 0.\n");

  aif_RotaryInertia none("Pt", Section(5, 0.1), "Ori-1");
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ(KeywordText(none), "");
}

TEST(aif_HeatCap, ConstantValueAndTablesWithDependencies) {
  kseC_PointSection section;
  section.SetHeatCapacitance(4.2);
  EXPECT_EQ(KeywordText(aif_HeatCap("Pt", section)), "*Heat Cap, elset=Pt\n 4.2,\n");
  section.SetHeatCapacitance(0);
  aif_HeatCap none("Pt", section);
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ(KeywordText(none), "");

  // Field variables without temperature: a blank column stands in for it.
  aif_HeatCap field("Pt", false, 1, cow_2DArray<double>{{10, 1}, {20, 2}});
  EXPECT_EQ(KeywordText(field), "*Heat Cap, elset=Pt, dependencies=1\n 10., , 1.\n 20., , 2.\n");
  aif_HeatCap temperature("Pt", true, 1, cow_2DArray<double>{{10, 100, 1}});
  EXPECT_EQ(KeywordText(temperature), "*Heat Cap, elset=Pt, dependencies=1\n 10., 100.,   1.\n");
  // A table of zeros from a feature is still written.
  EXPECT_EQ(KeywordText(aif_HeatCap("Pt", true, 0, cow_2DArray<double>{{0, 20}})),
            "*Heat Cap, elset=Pt\n 0., 20.\n");
}

}  // namespace
