// The distribution names of a write: one name per use, a taken name never
// given twice, letter case not telling names apart, a discrete field's name
// kept for the uses of that field.
#include "aif/impl/sections/aif_DistributionNames.h"

#include <gtest/gtest.h>

TEST(aif_DistributionNames, EachUseItsOwnNameAndTheSameUseTheSameName) {
  aif_DistributionNames names;
  names.Reserve("F");
  names.Reserve("M_F");
  akw_DiscreteField thickness;
  thickness.field = "F";
  thickness.owner = "A";
  thickness.components = {"length"};
  akw_DiscreteField elsewhere = thickness;  // the same use in another scope
  elsewhere.owner = "B";
  akw_DiscreteField angle = thickness;
  angle.components = {"angle"};

  // An analytical field F evaluated first does not take the discrete
  // field's name; "f" is "F" to the solver.
  EXPECT_EQ(names.NewName("f").Str(), "f-1");
  EXPECT_EQ(names.FieldUseName(thickness).Str(), "F");
  EXPECT_EQ(names.FieldUseName(elsewhere).Str(), "F");
  EXPECT_EQ(names.FieldUseName(angle).Str(), "F-2");
  EXPECT_EQ(names.NewName("F").Str(), "F-3");
  // Material M's density from field F beside a discrete field named "M_F".
  EXPECT_EQ(names.NameOf(aif_DistributionNames::DensityKey("M"), "M_F").Str(), "M_F-1");
  EXPECT_EQ(names.NameOf(aif_DistributionNames::DensityKey("M"), "M_F").Str(), "M_F-1");
  EXPECT_TRUE(names.IsTaken("m_f-1"));
  EXPECT_FALSE(names.IsTaken("M_F"));
  EXPECT_TRUE(names.HasReservations());

  // A new write starts afresh.
  names.Clear();
  EXPECT_FALSE(names.HasReservations());
  EXPECT_FALSE(names.IsTaken("F"));
  EXPECT_EQ(names.NewName("F").Str(), "F");
}
