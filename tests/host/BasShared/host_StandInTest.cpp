// The host stand-in services the writer relies on: copy-on-write containers,
// the type test before a downcast, the class registry, string helpers, the
// allocator's fault injection and the runtime's number parsing.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <new>
#include <string>

#include "BasMem/mem_Allocator.h"
#include "BasShared/atr_String.h"
#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_Error.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/cls_Registry.h"
#include "QivBasicUtils/nex_Exception.h"

// Classes for the type test; outside any namespace so that the name the
// failure text gives is the plain class name.
class hst_TestShape : public mem_AllocationOperators {
 public:
  virtual ~hst_TestShape() = default;
  virtual hst_TestShape* Clone() const = 0;
  virtual int Value() const = 0;
};

class hst_TestSquare : public hst_TestShape {
 public:
  explicit hst_TestSquare(int side) : side_(side) {}
  hst_TestShape* Clone() const override { return new hst_TestSquare(*this); }
  int Value() const override { return side_; }
  int side_;
};

class hst_TestCircle : public hst_TestShape {
 public:
  hst_TestShape* Clone() const override { return new hst_TestCircle(*this); }
  int Value() const override { return -1; }
};

namespace {

// The message of the cow_OutOfRange `action` throws, or "" when it throws none.
template <class Action>
std::string OutOfRangeText(Action&& action) {
  try {
    action();
  } catch (const cow_OutOfRange& e) {
    return e.what();
  }
  return "";
}

TEST(host_ContainerTest, ListCopiesShareUntilWritten) {
  cow_List<int> a = {1, 2, 3};
  cow_List<int> b = a;
  EXPECT_TRUE(b.SharesWith(a));
  b.Modify(1) = 20;
  EXPECT_FALSE(b.SharesWith(a));
  EXPECT_EQ(2, a[1]);
  EXPECT_EQ(20, b[1]);

  // A shared list appended to itself detaches and doubles.
  cow_List<int> c = a;
  c.Append(c);
  ASSERT_EQ(6u, c.Length());
  EXPECT_EQ(3, c[5]);
  EXPECT_EQ(3u, a.Length());

  EXPECT_EQ("cow_List: index 3 out of range (size 3)", OutOfRangeText([&] { (void)a[3]; }));
  // A failed write does not detach.
  cow_List<int> d = a;
  EXPECT_EQ("cow_List: index 5 out of range (size 3)", OutOfRangeText([&] { d.Modify(5); }));
  EXPECT_TRUE(d.SharesWith(a));
}

// A list of flags reads its elements as values: the vector under it holds
// bits, whose proxies a reference would outlive.
TEST(host_ContainerTest, FlagListsReadTheirElements) {
  const cow_List<bool> flags = {true, false, true};
  const bool& last = flags[2];
  EXPECT_TRUE(last);
  EXPECT_FALSE(flags[1]);
  EXPECT_EQ(flags.IndexOf(false), 1);
}

TEST(host_ContainerTest, MapCopiesShareUntilWritten) {
  cow_Map<cow_String, int> a;
  a.Set("a", 1);
  cow_Map<cow_String, int> b = a;
  EXPECT_TRUE(b.SharesWith(a));
  b.Modify("c") = 3;
  EXPECT_FALSE(b.SharesWith(a));
  EXPECT_FALSE(a.Contains("c"));
  EXPECT_EQ(3, b.Get("c"));
  EXPECT_EQ("cow_Map: index -1 out of range (size 1)", OutOfRangeText([&] { a.Get("c"); }));
}

TEST(host_ContainerTest, TwoDArrayCopiesShareUntilWritten) {
  cow_2DArray<int> a = {{1, 2, 3}, {4, 5, 6}};
  cow_2DArray<int> b = a;
  EXPECT_TRUE(b.SharesWith(a));
  b.Modify(0, 1) = 20;
  EXPECT_FALSE(b.SharesWith(a));
  EXPECT_EQ(2, a(0, 1));
  EXPECT_EQ(20, b.Data()[1]);  // row order

  EXPECT_EQ("cow_2DArray row: index 2 out of range (size 2)", OutOfRangeText([&] { a(2, 0); }));
  EXPECT_EQ("cow_2DArray column: index 3 out of range (size 3)",
            OutOfRangeText([&] { b.Modify(0, 3); }));
  EXPECT_EQ("cow_2DArray row length: index 1 out of range (size 2)", OutOfRangeText([] {
              cow_2DArray<int>({{1, 2}, {3}});
            }));
}

TEST(host_ContainerTest, HandleCopiesShareUntilWritten) {
  hst_TestSquare square(4);
  cow_COW<hst_TestShape> a(square);  // a copy made through Clone
  square.side_ = 9;
  cow_COW<hst_TestShape> b = a;
  EXPECT_TRUE(b.SharesWith(a));
  static_cast<hst_TestSquare&>(b.Modify()).side_ = 5;
  EXPECT_FALSE(b.SharesWith(a));
  EXPECT_EQ(4, a->Value());
  EXPECT_EQ(5, b->Value());

  cow_COW<hst_TestShape> empty;
  EXPECT_EQ("cow_COW (empty handle): index 0 out of range (size 0)",
            OutOfRangeText([&] { empty->Value(); }));
}

TEST(host_ContainerTest, StringBoundsAndCaseFolding) {
  cow_String s("Part-1");
  EXPECT_EQ(cow_String(""), s.Substr(6));
  EXPECT_EQ("cow_String: index 6 out of range (size 6)", OutOfRangeText([&] { s.At(6); }));
  EXPECT_EQ("cow_String: index 7 out of range (size 6)", OutOfRangeText([&] { s.Substr(7); }));

  atr_StringBase upper("Set-1 a\xC3\xA4z");
  upper.ToUpper();
  EXPECT_EQ(cow_String("SET-1 A\xC3\xA4Z"), upper);  // ASCII letters only
}

TEST(host_TranslationTest, TranslatorSeesTheFormatNotTheArgument) {
  atr_Translator previous = atr_SetTranslator([](const cow_String& text) {
    return text == "File %s in %s" ? cow_String("Datei %s in %s") : "?" + text;
  });
  // Only the first "%s" is replaced, by the argument as it is.
  EXPECT_EQ(cow_String("Datei a %s in %s"), atr_TranslateWithArg("File %s in %s", "a %s"));
  EXPECT_EQ(cow_String("?no argument"), atr_TranslateWithArg("no argument", "x"));
  atr_SetTranslator(previous);
  EXPECT_EQ(cow_String("plain"), atr_Translate("plain"));
}

TEST(host_TranslationTest, TwoArgumentFormatsPutArgumentsByPositionOrInTurn) {
  // Numbered marks take their argument wherever the translation puts them.
  EXPECT_EQ(cow_String("B before A, A again"),
            atr_TranslateFormat("%2$s before %1$s, %1$s again", "A", "B"));
  // Plain marks take the arguments in turn; a third plain mark stays.
  EXPECT_EQ(cow_String("Fastener \"F\" (Sec): %s"),
            atr_TranslateFormat("Fastener \"%s\" (%s): %s", "F", "Sec"));
  // Arguments holding marks are not searched again; "%" alone stays.
  EXPECT_EQ(cow_String("%2$s and %s at 50%"),
            atr_TranslateFormat("%s and %s at 50%", "%2$s", "%s"));
  EXPECT_EQ(cow_String(""), atr_TranslateFormat("%s%s", "", ""));
  // The format is translated before the marks are filled.
  atr_Translator previous =
      atr_SetTranslator([](const cow_String& text) { return cow_String("<" + text.Str() + ">"); });
  EXPECT_EQ(cow_String("<x %y>"), atr_TranslateFormat("%1$s %2$s", "x", "%y"));
  atr_SetTranslator(previous);
}

TEST(host_ExceptionTest, TypeTestNamesTheExpectedClassFileAndLine) {
  hst_TestSquare square(3);
  hst_TestCircle circle;
  hst_TestShape& shape = square;
  hst_TestShape& other = circle;
  EXPECT_EQ(&square, &nex_canDynamicCastRef<hst_TestSquare>(shape, "module/aif/impl/x", 24));
  try {
    nex_canDynamicCastRef<hst_TestSquare>(other, "module/aif/impl/aif_Heading", 25);
    FAIL() << "no exception";
  } catch (const nex_TextException& e) {
    EXPECT_STREQ(
        "Type test failed: the object is not a hst_TestSquare (source file "
        "module/aif/impl/aif_Heading, line 25).",
        e.what());
    EXPECT_EQ(25, e.Line());
  }
}

TEST(host_RegistryTest, IsDerivedWalksTheParents) {
  constexpr unsigned kAttribute = 0x7F00001, kLoad = 0x7F00002, kPressure = 0x7F00003;
  constexpr unsigned kCycleA = 0x7F00010, kCycleB = 0x7F00011;
  cls_Registry::Register(kAttribute, cls_Object::kTypeId, "kxxC_Attribute");
  cls_Registry::Register(kLoad, kAttribute, "kxxC_Load");
  cls_Registry::Register(kPressure, kLoad, "kxxC_Pressure");
  EXPECT_TRUE(cls_Registry::IsDerived(kPressure, kPressure));
  EXPECT_TRUE(cls_Registry::IsDerived(kPressure, cls_Object::kTypeId));
  EXPECT_FALSE(cls_Registry::IsDerived(kLoad, kPressure));
  EXPECT_FALSE(cls_Registry::IsDerived(0x7F0FFFF, kAttribute));  // unknown type

  // A mistaken cycle ends the walk instead of hanging.
  cls_Registry::Register(kCycleA, kCycleB, "kxxC_CycleA");
  cls_Registry::Register(kCycleB, kCycleA, "kxxC_CycleB");
  EXPECT_FALSE(cls_Registry::IsDerived(kCycleA, kAttribute));
  EXPECT_TRUE(cls_Registry::IsDerived(kCycleA, kCycleB));
}

// A class that allocates through the host allocator.
class Counted : public mem_AllocationOperators {};

TEST(host_AllocatorTest, NthAllocationFails) {
  // Fails once, at the second allocation from now.
  mem_FailAllocation(2, false);
  std::unique_ptr<Counted> first(new Counted);
  EXPECT_THROW((void)new Counted, std::bad_alloc);
  std::unique_ptr<Counted> third(new Counted);

  // Persistent: the first one and every one after it.
  mem_FailAllocation(1, true);
  EXPECT_THROW((void)new Counted, std::bad_alloc);
  EXPECT_EQ(nullptr, mem_Malloc(16));
  mem_ClearFault();
}

TEST(host_RuntimeTest, NumbersAreParsedWithoutLocale) {
  EXPECT_EQ(-17, rt_atoi(" \t-17abc"));
  EXPECT_EQ(std::numeric_limits<int>::max(), rt_atoi("2147483648"));
  EXPECT_EQ(std::numeric_limits<int>::min(), rt_atoi("-99999999999999999999999999999"));

  EXPECT_EQ(-1500.0, rt_atof("  -1.5e3xyz"));
  EXPECT_EQ(0.25, rt_atof("+.25"));
  EXPECT_EQ(12.0, rt_atof("12,5"));  // no locale: the comma ends the number
  EXPECT_EQ(0.0, rt_atof("+-5"));    // one sign only
  EXPECT_EQ(0.1, rt_atof("0.1"));    // the nearest double, as the compiler reads it
  // Out of the double's range: atof's answers, not a silent zero for a huge value.
  EXPECT_EQ(HUGE_VAL, rt_atof("1e999"));
  EXPECT_EQ(-HUGE_VAL, rt_atof("-1e999"));
  EXPECT_EQ(0.0, rt_atof("1e-999"));
}

}  // namespace
