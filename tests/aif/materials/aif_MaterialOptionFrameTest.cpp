// The rules all material option keywords share: options written whole or not
// at all, the empty temperature column ahead of the field variables, integer
// lines.
#include <gtest/gtest.h>

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_FailStress.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Option;
using aif_test::WrittenText;

TEST(aif_MaterialOptionFrame, FrameTableTakesAnEmptyTemperatureColumn) {
  // Three data columns and two field variables without temperature: the
  // empty column stands fourth, between the data and the fields.
  auto frame = Option<kmaC_FailStress>({{1, 2, 3, 4, 5}}, 2, false);
  EXPECT_EQ(aif_test::KeywordText(aif_FailStress(frame)),
            "*Fail Stress, dependencies=2\n 1., 2., 3., , 4., 5.\n");
  // With temperature, or without field variables, nothing is inserted.
  frame.temperatureDependency = true;
  EXPECT_EQ(aif_test::KeywordText(aif_FailStress(frame)),
            "*Fail Stress, dependencies=2\n 1., 2., 3., 4., 5.\n");
  EXPECT_EQ(aif_test::KeywordText(aif_FailStress(Option<kmaC_FailStress>({{1, 2}, {3, 4}}))),
            "*Fail Stress\n 1., 2.\n 3., 4.\n");
}

TEST(aif_MaterialOptionFrame, OptionsAreWholeOrAbsent) {
  EXPECT_EQ(WrittenText([](utl_Stream& s) {
              s << "*K";
              aif_WriteOption(s, "type=", cow_String());
              aif_WriteOption(s, "law=", cow_String("TIME"));
              aif_WriteOption(s, "zero=", 0.5);
              aif_WriteOption(s, "n=", 3);
              aif_WriteOption(s, "user");
              aif_WriteDependencies(s, 0);
              aif_WriteDependencies(s, -1);
              aif_WriteDependencies(s, 2);
            }),
            "*K, law=TIME, zero=0.5, n=3, user, dependencies=2");
  // A value one bit off its default is a different double and is written
  // with every digit.
  EXPECT_EQ(WrittenText([](utl_Stream& s) { aif_WriteOption(s, "a=", std::nextafter(0.3, 1.0)); }),
            ", a=0.30000000000000004");
  // Past the break column an option goes on the next line after its comma.
  std::string line = WrittenText([](utl_Stream& s) {
    s << "*K";
    for (int i = 0; i < 20; ++i) aif_WriteOption(s, "option=", i);
  });
  EXPECT_NE(line.find(", \noption="), std::string::npos) << line;
}

TEST(aif_MaterialOptionFrame, IntegerLineIsRightAlignedInSeven) {
  EXPECT_EQ(WrittenText([](utl_Stream& s) { aif_WriteIntegerLine(s, 12); }), "     12,\n");
  EXPECT_EQ(WrittenText([](utl_Stream& s) { aif_WriteIntegerLine(s, 12345678); }),
            "12345678,\n");
}

}  // namespace
