// "*Simpedance" of an acoustic impedance in a step (deactivated, naming its
// property, nonreflecting of each shape) and "*Impedance Property" with its
// table in either data kind.
#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kinC_AcousticImpedance.h"
#include "OdbAttrEO/kinC_AcousticImpedanceProp.h"
#include "OdbAttrEO/kinC_FilmConditionProp.h"
#include "aif/impl/interactions/aif_AcousticImpedance.h"
#include "aif/impl/interactions/aif_AcousticImpedanceProp.h"
#include "aif_GeneralContactTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// An impedance on "Block-1.Skin" with `status` in Step-1.
kinC_AcousticImpedance ImpNonreflecting(int shape, int status = 1) {
  kinC_AcousticImpedance impedance;
  impedance.SetKind(1);
  impedance.SetNonreflectingShape(shape);
  impedance.SetFirstGeometricValue(2.5);
  impedance.SetSecondGeometricValue(3.0);
  impedance.SetThirdGeometricValue(0.75);
  impedance.SetCentre(gsl_Dot(gsl_Point(1.0, -2.0, 0.5)));
  // The axis is the segment's direction, not its end point.
  impedance.SetAxis(gsl_ModelSegment(gsl_Point(1.0, 1.0, 1.0), gsl_Point(1.0, 2.0, 4.0)));
  impedance.SetStatus("Step-1", status);
  return impedance;
}

std::string ImpText(const kinC_AcousticImpedance& impedance, bool keepOp = true) {
  return aif_test::KeywordText(aif_AcousticImpedance(impedance, "Step-1", keepOp, "Block-1.Skin"));
}

std::string ImpPropText(const char* name, const kinC_InteractionProperty& property) {
  return aif_test::KeywordText(
      aif_AcousticImpedanceProp(name, cow_COW<kinC_InteractionProperty>(property)));
}

}  // namespace

TEST(aif_AcousticImpedance, DeactivatedWritesTheKeywordLineOnly) {
  // A property impedance without a state: status 4 reads none.
  kinC_AcousticImpedance removed;
  removed.SetStatus("Step-1", 4);
  EXPECT_EQ(ImpText(removed, false), "*Simpedance, op=NEW\n");
  EXPECT_EQ(ImpText(removed), "*Simpedance\n");
  EXPECT_EQ(ImpText(ImpNonreflecting(kinC_AcousticImpedance::ELLIPTICAL, 4), false),
            "*Simpedance, op=NEW\n");
}

TEST(aif_AcousticImpedance, PropertyOfTheStep) {
  kinC_AcousticImpedance impedance;
  impedance.SetStepProperty("Step-1", 1, "Imp 1");
  impedance.SetStepProperty("Step-2", 3, "Imp-2");
  // The data line is the surface alone.
  EXPECT_EQ(ImpText(impedance), "*Simpedance, property=\"Imp 1\"\nBlock-1.Skin\n");
  EXPECT_EQ(ImpText(impedance, false), "*Simpedance, property=\"Imp 1\", op=NEW\nBlock-1.Skin\n");
  EXPECT_EQ(aif_test::KeywordText(aif_AcousticImpedance(impedance, "Step-2", true, "Skin")),
            "*Simpedance, property=Imp-2\nSkin\n");
  // A line past the break column goes on before ", op=NEW".
  const std::string longName(120, 'I');
  impedance.SetStepProperty("Step-1", 1, longName.c_str());
  EXPECT_EQ(ImpText(impedance, false),
            "*Simpedance, property=" + longName + ", \nop=NEW\nBlock-1.Skin\n");
  // Without a state in the step there is no property to name: nothing is
  // written.
  kinC_AcousticImpedance stateless;
  stateless.SetStatus("Step-1", 1);
  EXPECT_EQ(aif_test::ThrownText(aif_AcousticImpedance(stateless, "Step-1", true, "Skin")),
            "out of range: acoustic impedance state: no state in step Step-1");
}

TEST(aif_AcousticImpedance, NonreflectingShapes) {
  using Imp = kinC_AcousticImpedance;
  EXPECT_EQ(ImpText(ImpNonreflecting(Imp::PLANAR)),
            "*Simpedance, nonreflecting=PLANAR\nBlock-1.Skin\n");
  EXPECT_EQ(ImpText(ImpNonreflecting(Imp::IMPROVED), false),
            "*Simpedance, nonreflecting=IMPROVED, op=NEW\nBlock-1.Skin\n");
  EXPECT_EQ(ImpText(ImpNonreflecting(Imp::CIRCULAR)),
            "*Simpedance, nonreflecting=CIRCULAR\nBlock-1.Skin, 2.5\n");
  EXPECT_EQ(ImpText(ImpNonreflecting(Imp::SPHERICAL)),
            "*Simpedance, nonreflecting=SPHERICAL\nBlock-1.Skin, 2.5\n");
  EXPECT_EQ(ImpText(ImpNonreflecting(Imp::ELLIPTICAL)),
            "*Simpedance, nonreflecting=ELLIPTICAL\n"
            "Block-1.Skin, 3., 0.75, 1., -2., 0.5, 0., 1., 3.\n");
  EXPECT_EQ(ImpText(ImpNonreflecting(Imp::PROLATE_SPHEROIDAL)),
            "*Simpedance, nonreflecting=PROLATE SPHEROIDAL\n"
            "Block-1.Skin, 3., 0.75, 1., -2., 0.5, 0., 1., 3.\n");
  // A code outside the shapes: no name and no values.
  EXPECT_EQ(ImpText(ImpNonreflecting(6)), "*Simpedance, nonreflecting=\nBlock-1.Skin\n");
}

TEST(aif_AcousticImpedanceProp, TableInEitherDataKind) {
  kinC_AcousticImpedanceProp property;
  // The data-line table pads its columns: the first to its own width, the
  // others to one shared width.
  property.SetTable({{0.5, 1.25, 100.0}, {0.75, 2.0, 200.0}});
  EXPECT_EQ(ImpPropText("Imp-1", property),
            "*Impedance Property, name=Imp-1, data=IMPEDANCE\n"
            "  0.5, 1.25, 100.\n 0.75,   2., 200.\n");
  // The other kind: no data option, the first two columns exchanged.
  property.SetDataKind(1);
  property.SetTemperatureDependency(true);
  EXPECT_EQ(ImpPropText("Imp 2", property),
            "*Impedance Property, name=\"Imp 2\"\n 1.25,  0.5, 100.\n   2., 0.75, 200.\n");
  // A line past the break column goes on before the data option.
  property.SetDataKind(0);
  property.SetTable({{1.0, 2.0}});
  const std::string longName(120, 'P');
  EXPECT_EQ(ImpPropText(longName.c_str(), property),
            "*Impedance Property, name=" + longName + ", \ndata=IMPEDANCE\n 1., 2.\n");
  // Another property class is refused before anything is written.
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(aif_AcousticImpedanceProp(
          "Imp-1", cow_COW<kinC_InteractionProperty>(kinC_FilmConditionProp()))),
      "kinC_AcousticImpedanceProp", "module/aif/impl/interactions/aif_AcousticImpedanceProp.cpp"));
}
