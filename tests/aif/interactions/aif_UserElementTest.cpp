// "*User Element" of an actuator or sensor (coordinates, property counts,
// the unsymmetric flag, the degrees-of-freedom line) and "*Uel Property"
// with its one line of real and integer values, on the "_AS_" set that the
// node and element sets of the actuator also carry.
#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "OdbAttrEO/kinC_FilmConditionProp.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "aif/impl/conditions/aif_InitialConditionBuilder.h"
#include "aif/impl/interactions/aif_UelProperty.h"
#include "aif/impl/interactions/aif_UserElement.h"
#include "aif_GeneralContactTestModel.h"
#include "aif_InteractionTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

cow_COW<kinC_Interaction> UelActuator(const char* type, int coordinates, bool unsymmetric,
                                      int variables, const char* dofLine) {
  kinC_ActuatorSensor actuator;
  actuator.SetElementType(type);
  actuator.SetCoordinateCount(coordinates);
  actuator.SetUnsymmetric(unsymmetric);
  actuator.SetVariables(variables, {});
  actuator.SetDofLine(dofLine);
  return cow_COW<kinC_Interaction>(actuator);
}

kinC_ActuatorSensorProp UelValues(const cow_List<double>& reals, const cow_List<int>& integers) {
  kinC_ActuatorSensorProp property;
  property.SetRealValues(reals);
  property.SetIntegerValues(integers);
  return property;
}

std::string UelPropertyText(const kinC_InteractionProperty& property, const char* set) {
  return aif_test::KeywordText(aif_UelProperty(cow_COW<kinC_InteractionProperty>(property), set));
}

}  // namespace

TEST(aif_UserElement, DefinitionLineAndDegreesOfFreedom) {
  // No property named: both counts 0; no coordinates given: no option.
  EXPECT_EQ(aif_test::KeywordText(aif_UserElement(UelActuator("U1", 0, false, 3, "1, 2, 3"))),
            "*User Element, type=U1, nodes=1, properties=0, i properties=0, variables=3\n"
            "1, 2, 3\n");
  // The property's counts, the coordinates and the unsymmetric flag.
  const kinC_ActuatorSensorProp property = UelValues({1.0, 2.0, 3.0}, {4, 5});
  EXPECT_EQ(
      aif_test::KeywordText(aif_UserElement(UelActuator("U1002", 2, true, 12, "11"), property)),
      "*User Element, type=U1002, nodes=1, coordinates=2, properties=3, i properties=2, "
      "unsymm, variables=12\n11\n");
  // A line past the break column goes on before "i properties=".
  const std::string type(120, 'U');
  EXPECT_EQ(aif_test::KeywordText(aif_UserElement(UelActuator(type.c_str(), 0, false, 1, "1"))),
            "*User Element, type=" + type +
                ", nodes=1, properties=0, \ni properties=0, variables=1\n1\n");
}

TEST(aif_UelProperty, OneLineOfRealsThenIntegers) {
  EXPECT_EQ(UelPropertyText(UelValues({1.5, 2.0, 1e-05}, {4, -5}), "Block-1.Tip_AS_"),
            "*Uel Property, elset=Block-1.Tip_AS_\n1.5, 2., 1.e-05, 4, -5\n");
  EXPECT_EQ(UelPropertyText(UelValues({}, {1, 2}), "Block-1.Tip_AS_"),
            "*Uel Property, elset=Block-1.Tip_AS_\n1, 2\n");
  // The default property of an actuator that names none: no data line.
  EXPECT_EQ(UelPropertyText(kinC_ActuatorSensorProp(), "Block-1.Tip_AS_"),
            "*Uel Property, elset=Block-1.Tip_AS_\n");
}

// Each keyword refuses an object of another class, before writing anything.
TEST(aif_UserElement, RefusesAnotherClass) {
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(aif_UserElement(cow_COW<kinC_Interaction>(kinC_ModelChange()))),
      "kinC_ActuatorSensor", "module/aif/impl/interactions/aif_UserElement.cpp"));
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(aif_UelProperty(
          cow_COW<kinC_InteractionProperty>(kinC_FilmConditionProp()), "Block-1.Tip_AS_")),
      "kinC_ActuatorSensorProp", "module/aif/impl/interactions/aif_UelProperty.cpp"));
}

// The set name of a region that needs quotes is quoted with its "_AS_"
// suffix inside the quotes, as the actuator's node and element sets are
// named, and the keyword writes it as it is given (no second quoting).
class aif_UelPropertySetTest : public aif_InteractionTestModel {};

TEST_F(aif_UelPropertySetTest, QuotedSetNameWithItsSuffixInside) {
  rgnC_Region region("my set", {"Assembly", "Block-1"});
  region.SetKernelInstanceIds({1u});
  const cow_String set = aif_ActuatorSensorSetName(Info(), region);
  EXPECT_EQ(UelPropertyText(UelValues({1.0}, {}), set.CStr()),
            "*Uel Property, elset=Block-1.\"my set_AS_\"\n1.\n");
}
