// The option store of a contact property: one list answers the presence
// tests and the first-option scan, in the order the options were defined.
#include "OdbAttrEO/kinC_ContactProperty.h"

#include <gtest/gtest.h>

#include <memory>

TEST(kinC_ContactProperty, OneStoreAnswersPresenceAndTheFirstOption) {
  kinC_ContactProperty property;
  EXPECT_EQ(kinC_NO_CONTACT_OPTION, property.FirstOptionKind());
  EXPECT_FALSE(property.Holds<kinC_CohesiveBehavior>());
  // An option not held reads as its defaults.
  EXPECT_EQ(0, property.Get<kinC_CohesiveBehavior>().eligibility);

  property.Set(kinC_TangentialBehavior()).formulation = 1;
  property.Set(kinC_ContactStateVariables{4});
  EXPECT_EQ(kinC_TANGENTIAL_BEHAVIOR, property.FirstOptionKind());
  EXPECT_TRUE(property.Holds(kinC_CONTACT_STATE_VARIABLES));
  EXPECT_FALSE(property.Holds(kinC_GAP_RADIATION));

  // Defining an option again replaces it in its place.
  property.Set(kinC_TangentialBehavior()).formulation = 2;
  ASSERT_EQ(2u, property.Options().size());
  EXPECT_EQ(kinC_TANGENTIAL_BEHAVIOR, property.FirstOptionKind());
  EXPECT_EQ(2, property.Find<kinC_TangentialBehavior>()->formulation);

  // Removing the first option makes the next one first.
  property.Remove<kinC_TangentialBehavior>();
  EXPECT_EQ(kinC_CONTACT_STATE_VARIABLES, property.FirstOptionKind());
  EXPECT_EQ(nullptr, property.Find<kinC_TangentialBehavior>());

  // Copies are whole.
  const std::unique_ptr<kinC_ContactProperty> copy(property.Clone());
  property.Set(kinC_ContactStateVariables{9});
  EXPECT_EQ(4, copy->Get<kinC_ContactStateVariables>().count);
}
