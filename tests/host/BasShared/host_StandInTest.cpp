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

  cow_List<int> c = a;
  c.Append(4);
  EXPECT_EQ(3u, a.Length());
  EXPECT_EQ(4u, c.Length());
  EXPECT_EQ(2, c.IndexOf(3));
  EXPECT_EQ(-1, c.IndexOf(30));

  // Appending a list to an empty one shares it; a later write detaches.
  cow_List<int> d;
  d.Append(a);
  EXPECT_TRUE(d.SharesWith(a));
  d.Append(9);
  EXPECT_EQ(3u, a.Length());
  EXPECT_EQ(4u, d.Length());

  // A list appended to itself doubles.
  cow_List<int> e = {5, 6};
  e.Append(e);
  ASSERT_EQ(4u, e.Length());
  EXPECT_EQ(5, e[2]);
  EXPECT_EQ(6, e[3]);
  cow_List<int> f = e;
  f.Append(f);
  EXPECT_EQ(4u, e.Length());
  EXPECT_EQ(8u, f.Length());

  // Two empty lists share nothing; clearing drops only this copy.
  EXPECT_FALSE(cow_List<int>().SharesWith(cow_List<int>()));
  cow_List<int> g = a;
  g.Clear();
  EXPECT_TRUE(g.IsEmpty());
  EXPECT_EQ(3u, a.Length());

  EXPECT_EQ("cow_List: index 3 out of range (size 3)", OutOfRangeText([&] { (void)a[3]; }));
  EXPECT_EQ("cow_List: index 0 out of range (size 0)",
            OutOfRangeText([&] { cow_List<int>().Modify(0) = 1; }));
  // A failed write does not detach.
  cow_List<int> h = a;
  EXPECT_THROW(h.Modify(5), cow_OutOfRange);
  EXPECT_TRUE(h.SharesWith(a));
}

TEST(host_ContainerTest, MapCopiesShareUntilWritten) {
  cow_Map<cow_String, int> a;
  EXPECT_TRUE(a.Set("b", 2));
  EXPECT_TRUE(a.Set("a", 1));
  EXPECT_FALSE(a.Set("a", 10));      // replaces
  EXPECT_FALSE(a.Insert("a", 100));  // keeps
  EXPECT_EQ(10, a.Get("a"));

  cow_Map<cow_String, int> b = a;
  EXPECT_TRUE(b.SharesWith(a));
  b.Modify("c") = 3;
  EXPECT_FALSE(b.SharesWith(a));
  EXPECT_FALSE(a.Contains("c"));
  EXPECT_EQ(nullptr, a.Find("c"));
  EXPECT_EQ(3, *b.Find("c"));

  cow_Map<cow_String, int> c = a;
  EXPECT_TRUE(c.Remove("a"));
  EXPECT_FALSE(c.Remove("a"));
  EXPECT_EQ(10, a.Get("a"));

  // Keys in ascending order.
  std::string keys;
  for (const auto& [key, value] : b)
    keys += key.Str() + "=" + std::to_string(value) + " ";
  EXPECT_EQ("a=10 b=2 c=3 ", keys);

  EXPECT_EQ("cow_Map: index -1 out of range (size 1)", OutOfRangeText([&] { c.Get("a"); }));
  EXPECT_EQ("cow_Map: index -1 out of range (size 0)",
            OutOfRangeText([] { cow_Map<int, int>().Get(0); }));
}

TEST(host_ContainerTest, TwoDArrayCopiesShareUntilWritten) {
  cow_2DArray<int> a = {{1, 2, 3}, {4, 5, 6}};
  EXPECT_EQ(2u, a.Rows());
  EXPECT_EQ(3u, a.Columns());
  EXPECT_EQ(6, a(1, 2));

  cow_2DArray<int> b = a;
  EXPECT_TRUE(b.SharesWith(a));
  b.Modify(0, 1) = 20;
  EXPECT_FALSE(b.SharesWith(a));
  EXPECT_EQ(2, a(0, 1));
  EXPECT_EQ(20, b(0, 1));
  EXPECT_EQ(20, b.Data()[1]);  // row order

  cow_2DArray<double> filled(2, 2, 0.5);
  EXPECT_EQ(0.5, filled(1, 1));
  EXPECT_EQ(nullptr, cow_2DArray<int>().Data());

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
  EXPECT_EQ(4, a->Value());

  cow_COW<hst_TestShape> b = a;
  EXPECT_TRUE(b.SharesWith(a));
  static_cast<hst_TestSquare&>(b.Modify()).side_ = 5;
  EXPECT_FALSE(b.SharesWith(a));
  EXPECT_EQ(4, a->Value());
  EXPECT_EQ(5, (*b).Value());
  // An unshared handle is changed in place.
  const hst_TestShape* before = b.Get();
  b.Modify();
  EXPECT_EQ(before, b.Get());

  // The list handle behaves the same and can be made from a plain handle.
  cow_ArrayCOW<hst_TestShape> c = a;
  EXPECT_TRUE(c.SharesWith(a));

  cow_COW<hst_TestShape> empty;
  EXPECT_TRUE(empty.IsNull());
  EXPECT_FALSE(empty.SharesWith(cow_COW<hst_TestShape>()));
  EXPECT_EQ("cow_COW (empty handle): index 0 out of range (size 0)",
            OutOfRangeText([&] { empty->Value(); }));
  EXPECT_THROW(empty.Modify(), cow_OutOfRange);
}

TEST(host_ContainerTest, StringBoundsAndHelpers) {
  cow_String s("Part-1");
  EXPECT_EQ('1', s[5]);
  EXPECT_EQ(cow_String("1"), s.Substr(5));
  EXPECT_EQ(cow_String(""), s.Substr(6));
  EXPECT_EQ("cow_String: index 6 out of range (size 6)", OutOfRangeText([&] { s.At(6); }));
  EXPECT_EQ("cow_String: index 7 out of range (size 6)", OutOfRangeText([&] { s.Substr(7); }));

  atr_StringBase upper("Set-1 a\xC3\xA4z");
  upper.ToUpper();
  EXPECT_EQ(cow_String("SET-1 A\xC3\xA4Z"), upper);  // ASCII letters only

  atr_StringBase trimmed(" \t Top face \r\n");
  EXPECT_EQ(cow_String("Top face"), trimmed.Trim());
  atr_StringBase blank(" \t\r\n ");
  EXPECT_EQ(cow_String(""), blank.Trim());
  atr_StringBase none;
  EXPECT_EQ(cow_String(""), none.Trim());
}

TEST(host_TranslationTest, TranslatorMarksTheFormatNotTheArgument) {
  EXPECT_EQ(cow_String("Writing model definition..."),
            atr_Translate("Writing model definition..."));
  EXPECT_EQ(cow_String("Missing .odb file /tmp/a b.odb"),
            atr_TranslateWithArg("Missing .odb file %s", "/tmp/a b.odb"));

  atr_Translator previous =
      atr_SetTranslator([](const cow_String& text) { return "<" + text + ">"; });
  EXPECT_EQ(cow_String("<Writing model definition...>"),
            atr_Translate("Writing model definition..."));
  EXPECT_EQ(cow_String("<Missing .odb file %s>"),
            atr_TranslateWithArg("Missing .odb file %s", "%s"));
  // Only the first "%s" is replaced; a format without one is only translated.
  EXPECT_EQ(cow_String("<a x b %s>"), atr_TranslateWithArg("a %s b %s", "x"));
  EXPECT_EQ(cow_String("<no argument>"), atr_TranslateWithArg("no argument", "x"));
  atr_Translator marking = atr_SetTranslator(previous);
  EXPECT_TRUE(static_cast<bool>(marking));
  EXPECT_EQ(cow_String("plain"), atr_Translate("plain"));
}

TEST(host_ExceptionTest, TypeTestNamesTheExpectedClassFileAndLine) {
  hst_TestSquare square(3);
  hst_TestShape& shape = square;
  EXPECT_EQ(&square, &nex_canDynamicCastRef<hst_TestSquare>(shape, "module/aif/impl/x", 24));

  hst_TestCircle circle;
  hst_TestShape& other = circle;
  try {
    nex_canDynamicCastRef<hst_TestSquare>(other, "module/aif/impl/aif_Heading", 25);
    FAIL() << "no exception";
  } catch (const nex_TextException& e) {
    EXPECT_STREQ(
        "Type test failed: the object is not a hst_TestSquare (source file "
        "module/aif/impl/aif_Heading, line 25).",
        e.what());
    EXPECT_STREQ("module/aif/impl/aif_Heading", e.File());
    EXPECT_EQ(25, e.Line());
    EXPECT_EQ(nex_TextException::kTypeId, e.DynTypeId());
  }
}

TEST(host_ExceptionTest, ThrowAndCopyKeepTheDynamicType) {
  nex_OutOfMemoryException memory;
  try {
    nex_Exception::Throw(memory, "host/file", 7);
    FAIL() << "no exception";
  } catch (const nex_OutOfMemoryException& e) {
    EXPECT_STREQ("Out of memory.", e.what());
    EXPECT_EQ(cow_String("Out of memory. (host/file, line 7)"), e.DeveloperReport());
    EXPECT_EQ(cow_String("Out of memory."), e.AsString());
  }
  nex_TextException text("bad name");
  std::unique_ptr<nex_Exception> copy(text.Copy());
  EXPECT_EQ(nex_TextException::kTypeId, copy->DynTypeId());
  EXPECT_STREQ("bad name", copy->what());
  EXPECT_EQ(cow_String("bad name"), copy->DeveloperReport());  // no location
  EXPECT_THROW(copy->Propagate(), nex_TextException);
}

TEST(host_RegistryTest, IsDerivedWalksTheParents) {
  constexpr unsigned kAttribute = 0x7F00001;
  constexpr unsigned kLoad = 0x7F00002;
  constexpr unsigned kPressure = 0x7F00003;
  constexpr unsigned kBc = 0x7F00004;
  cls_Registry::Register(kAttribute, cls_Object::kTypeId, "kxxC_Attribute");
  cls_Registry::Register(kLoad, kAttribute, "kxxC_Load");
  cls_Registry::Register(kPressure, kLoad, "kxxC_Pressure");
  cls_Registry::Register(kBc, kAttribute, "kxxC_Bc");

  EXPECT_TRUE(cls_Registry::IsDerived(kPressure, kPressure));
  EXPECT_TRUE(cls_Registry::IsDerived(kPressure, kLoad));
  EXPECT_TRUE(cls_Registry::IsDerived(kPressure, kAttribute));
  EXPECT_TRUE(cls_Registry::IsDerived(kPressure, cls_Object::kTypeId));
  EXPECT_FALSE(cls_Registry::IsDerived(kLoad, kPressure));
  EXPECT_FALSE(cls_Registry::IsDerived(kPressure, kBc));
  EXPECT_FALSE(cls_Registry::IsDerived(kBc, kLoad));
  EXPECT_FALSE(cls_Registry::IsDerived(0x7F0FFFF, kAttribute));  // unknown type
  EXPECT_EQ("kxxC_Pressure", cls_Registry::Name(kPressure));
  EXPECT_EQ("cls_Object", cls_Registry::Name(cls_Object::kTypeId));
  EXPECT_EQ("", cls_Registry::Name(0x7F0FFFF));

  // Registering again replaces the parent.
  cls_Registry::Register(kBc, kLoad, "kxxC_Bc");
  EXPECT_TRUE(cls_Registry::IsDerived(kBc, kLoad));

  // A mistaken cycle ends the walk instead of hanging.
  constexpr unsigned kCycleA = 0x7F00010;
  constexpr unsigned kCycleB = 0x7F00011;
  cls_Registry::Register(kCycleA, kCycleB, "kxxC_CycleA");
  cls_Registry::Register(kCycleB, kCycleA, "kxxC_CycleB");
  EXPECT_FALSE(cls_Registry::IsDerived(kCycleA, kAttribute));
  EXPECT_TRUE(cls_Registry::IsDerived(kCycleA, kCycleB));
}

// A class that allocates through the host allocator.
class Counted : public mem_AllocationOperators {
 public:
  int value = 0;
};

TEST(host_AllocatorTest, NthAllocationFails) {
  // Fails once, at the third allocation from now.
  mem_FailAllocation(3, false);
  std::unique_ptr<Counted> first(new Counted);
  std::unique_ptr<Counted> second(new Counted);
  EXPECT_THROW((void)new Counted, std::bad_alloc);
  std::unique_ptr<Counted> fourth(new Counted);
  EXPECT_NE(nullptr, fourth);

  // Persistent: the first one and every one after it.
  mem_FailAllocation(1, true);
  EXPECT_THROW((void)new Counted, std::bad_alloc);
  EXPECT_THROW((void)new Counted, std::bad_alloc);
  EXPECT_EQ(nullptr, mem_Malloc(16));
  mem_ClearFault();
  std::unique_ptr<Counted> after(new Counted);
  EXPECT_NE(nullptr, after);

  // A refused reallocation keeps the block.
  void* block = mem_Malloc(8);
  ASSERT_NE(nullptr, block);
  static_cast<char*>(block)[0] = 'x';
  mem_FailAllocation(1, false);
  EXPECT_EQ(nullptr, mem_Realloc(block, 64));
  EXPECT_EQ('x', static_cast<char*>(block)[0]);
  mem_Free(block);

  // Every call counts, failed ones too.
  long before = mem_AllocationCount();
  mem_FailAllocation(1, false);
  EXPECT_EQ(nullptr, mem_Malloc(1));
  void* ok = mem_Malloc(1);
  mem_Free(ok);
  EXPECT_EQ(before + 2, mem_AllocationCount());
  mem_ClearFault();
}

TEST(host_RuntimeTest, NumbersAreParsedWithoutLocale) {
  EXPECT_EQ(42, rt_atoi("42"));
  EXPECT_EQ(-17, rt_atoi(" \t-17abc"));
  EXPECT_EQ(8, rt_atoi("+8"));
  EXPECT_EQ(12, rt_atoi("12.9"));
  EXPECT_EQ(0, rt_atoi("abc"));
  EXPECT_EQ(0, rt_atoi(""));
  EXPECT_EQ(0, rt_atoi("-"));
  EXPECT_EQ(0, rt_atoi("x12"));
  EXPECT_EQ(std::numeric_limits<int>::max(), rt_atoi("2147483647"));
  EXPECT_EQ(std::numeric_limits<int>::min(), rt_atoi("-2147483648"));
  EXPECT_EQ(std::numeric_limits<int>::max(), rt_atoi("2147483648"));
  EXPECT_EQ(std::numeric_limits<int>::min(), rt_atoi("-2147483649"));
  EXPECT_EQ(std::numeric_limits<int>::max(), rt_atoi("99999999999999999999999999999"));
  EXPECT_EQ(std::numeric_limits<int>::min(), rt_atoi("-99999999999999999999999999999"));

  EXPECT_EQ(1.5, rt_atof("1.5"));
  EXPECT_EQ(-1500.0, rt_atof("  -1.5e3xyz"));
  EXPECT_EQ(0.25, rt_atof("+.25"));
  EXPECT_EQ(100000.0, rt_atof("1.e+05"));
  EXPECT_EQ(12.0, rt_atof("12,5"));  // no locale: the comma ends the number
  EXPECT_EQ(0.0, rt_atof("abc"));
  EXPECT_EQ(0.0, rt_atof(""));
  EXPECT_EQ(0.1, rt_atof("0.1"));  // the nearest double, as the compiler reads it
  EXPECT_EQ(5e-324, rt_atof("4.9406564584124654e-324"));
  // Out of the double's range: atof's answers, not a silent zero for a huge value.
  EXPECT_EQ(HUGE_VAL, rt_atof("1e999"));
  EXPECT_EQ(-HUGE_VAL, rt_atof("-1e999"));
  EXPECT_EQ(0.0, rt_atof("1e-999"));
  EXPECT_EQ(0.0, rt_atof("+-5"));  // one sign only
}

}  // namespace
