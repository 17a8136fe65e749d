// The output stream: number forms, fields, the small-real threshold, optional
// line breaks, preformatted numbers and sink failures; whole output compared.
#include "QivBasicUtils/utl_Stream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "BasShared/cow_String.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/nex_Exception.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::StreamText;
using aif_test::WrittenText;

TEST(utl_StreamTest, OperatorsAndShortestRealForms) {
  // Operators chain; a real is the shortest text reading back to the same
  // value and always carries a point; a float has a float's digits.
  EXPECT_EQ(WrittenText([](utl_Stream& s) {
              s << "*Part, name=" << cow_String("Part-1") << endl;
              s << 'x' << ',' << "" << cow_String() << 17 << " " << INT_MIN << " " << UINT_MAX
                << " " << -0.125f << endl;
              s.Print("**").LineBreak();
              s << 1.0 << " " << -1.5 << " " << 100.0 << " " << 123456789012.0 << " " << -0.0 << " "
                << 0.30000000000000004 << " " << 1e22 << " " << 2.5e-5 << " " << 5e-324 << " "
                << std::numeric_limits<double>::max() << endl;
              s << 0.1f << " " << -0.0f << " " << 16777216.0f << " " << 1e-45f << " "
                << std::numeric_limits<float>::max() << endl;
            }),
            "*Part, name=Part-1\nx,17 -2147483648 4294967295 -0.125\n**\n"
            "1. -1.5 100. 123456789012. 0. 0.30000000000000004 1.e+22 2.5e-05 5.e-324 "
            "1.7976931348623157e+308\n"
            "0.1 0. 16777216. 1.e-45 3.4028235e+38\n");
}

TEST(utl_StreamTest, PrintPutsNumbersInFields) {
  // Wider values are kept whole; the general layout turns to an exponent at
  // the precision; integers are unpadded at width <= 0, right-aligned else.
  EXPECT_EQ(WrittenText([](utl_Stream& s) {
              s.Print(1234567, 7) << ", ";
              for (double v : {1.23456789012, -1e-5, 100.0, 0.0})
                s.Print(v, 12, 9) << ", ";
              s.Print(123456789012.0, 12, 9) << endl;
              for (auto [v, w, p] : {std::tuple{1.0 / 3.0, 12, 15},
                                     {1e15, 12, 15},
                                     {123456789012345.0, 15, 15},
                                     {1234567.0, 12, 6},
                                     {1e-4, 12, 6}})
                s.Print(v, w, p) << "|";
              s.Print(0.1f, 12, 9) << "|";
              s.Print(0.1f, 15, 15) << "|";
              s.Print(-0.0f, 4, 6) << endl;
              for (auto [v, w] : {std::pair{42, 0}, {-42, -5}, {123456789, 4}})
                s.Print(v, w) << "|";
              s.Print(UINT_MAX, 12) << "|";
              s.Print(7, 40) << endl;
            }),
            "1234567,   1.23456789,      -1.e-05,         100.,           0., 1.23456789e+11\n"
            "0.333333333333333|      1.e+15|123456789012345.| 1.23457e+06|      0.0001|"
            " 0.100000001|    0.100000001|  0.\n"
            "42|-42|123456789|  4294967295|" +
                std::string(39, ' ') + "7\n");

  // A precision <= 0 takes the stream's own precision for the type.
  aio_StringSink sink;
  {
    utl_Stream s(sink, 131, 9, 4);
    s.Print(1.0 / 3.0, 0, 0) << " ";
    s.Print(1.0 / 3.0, 12, -3) << " ";
    s.Print(1.0f / 3.0f, 0, 0) << endl;
  }
  EXPECT_EQ(sink.text(), "0.333333333  0.333333333 0.3333\n");
}

TEST(utl_StreamTest, SmallRealThresholdGuards) {
  EXPECT_EQ(WrittenText([](utl_Stream& s) {
              s << 1e-12 << endl;  // no threshold by default
              {
                utl_StreamSmallReal outer(s, 1e-9);
                // Below the threshold in magnitude: zero; at it: the value.
                s << 1e-12 << " " << -1e-12 << " " << 2e-10f << " " << 1e-9 << " " << -2e-9f
                  << endl;
                s.Print(5e-10, 12, 15) << ",";
                s.Print(-5e-10f, 12, 6) << endl;
                {
                  utl_StreamSmallReal inner(s, 1e-3);
                  s << 1e-4 << " " << 0.5 << endl;
                }
                s << 1e-4 << " " << 1e-10 << endl;
              }
              s << 1e-12 << endl;
            }),
            "1.e-12\n0. 0. 0. 1.e-09 -2.e-09\n          0.,          0.\n0. 0.5\n1.e-04 0.\n"
            "1.e-12\n");

  // Guards stack with removal in any order, the newest alive ruling; an early
  // unset removes its own entry once; the base threshold rules under no guard.
  auto state = [](utl_Stream& s) -> utl_Stream& {
    return s << s.SmallestReal() << ": " << 1e-5 << " " << 1e-2 << endl;
  };
  EXPECT_EQ(WrittenText([&](utl_Stream& s) {
              auto first = std::make_unique<utl_StreamSmallReal>(s, 1e-1);
              auto second = std::make_unique<utl_StreamSmallReal>(s, 1e-3);
              auto third = std::make_unique<utl_StreamSmallReal>(s, 1e-6);
              second.reset();
              state(s);
              third.reset();
              state(s);
              second = std::make_unique<utl_StreamSmallReal>(s, 1e-3);
              state(s);
              first.reset();
              state(s);
              {
                utl_StreamSmallReal inner(s, 1e-6);
                inner.UnsetSmallestReal();
                inner.UnsetSmallestReal();
                state(s);
              }
              state(s);
              second->UnsetSmallestReal();
              state(s);
              s.SetSmallestReal(1e-4);
              state(s);
              {
                utl_StreamSmallReal guard(s, 1e-6);
                s.SetSmallestReal(1e-1);
                state(s);
              }
              state(s);
            }),
            "1.e-06: 1.e-05 0.01\n0.1: 0. 0.\n0.001: 0. 0.01\n0.001: 0. 0.01\n0.001: 0. 0.01\n"
            "0.001: 0. 0.01\n0.: 1.e-05 0.01\n1.e-04: 0. 0.01\n1.e-06: 1.e-05 0.01\n0.1: 0. 0.\n");
}

TEST(utl_StreamTest, NonFiniteRealsThrowAndWriteNothing) {
  const std::pair<const char*, double> cases[] = {
      {"NaN", std::numeric_limits<double>::quiet_NaN()},
      {"+infinity", std::numeric_limits<double>::infinity()},
      {"-infinity", -std::numeric_limits<double>::infinity()}};
  void (*const writers[])(utl_Stream&, double) = {
      [](utl_Stream& s, double v) { s << v; },
      [](utl_Stream& s, double v) { s << static_cast<float>(v); },
      [](utl_Stream& s, double v) { s.Print(v, 12, 15); },
      [](utl_Stream& s, double v) { s.Print(static_cast<float>(v), 12, 6); },
  };
  for (const auto& [name, value] : cases) {
    for (std::size_t w = 0; w < std::size(writers); ++w) {
      for (double threshold : {0.0, 1e300}) {  // no threshold makes it a zero
        SCOPED_TRACE(std::string(name) + " writer " + std::to_string(w));
        EXPECT_EQ(WrittenText([&](utl_Stream& s) {
                    utl_StreamSmallReal guard(s, threshold);
                    s << "a,";
                    try {
                      writers[w](s, value);
                      ADD_FAILURE() << "no exception";
                    } catch (const nex_TextException& e) {
                      EXPECT_EQ(e.Text().Str(), std::string("A number that is not finite (") +
                                                    name +
                                                    ") cannot be written to the input file.");
                    }
                    EXPECT_EQ(s.BytesWritten(), 2u);
                    s << "b" << endl;
                  }),
                  "a,b\n");
      }
    }
  }
}

TEST(utl_StreamTest, OptionalLineBreakEndsLongLinesAfterAComma) {
  auto line = [](std::size_t length, const char* tail) {
    return WrittenText([&](utl_Stream& s) {
      s << std::string(length, 'a').c_str() << tail;
      s.Flush();  // the line so far has left the buffer
      s.OptionalLineBreak();
      s << "b" << endl;
    });
  };
  const std::string a129(129, 'a'), a200(200, 'a');
  // Up to 131 characters a line stays whole; not after a comma, never breaks.
  EXPECT_EQ(line(129, ", "), a129 + ", b\n");
  EXPECT_EQ(line(130, ", "), std::string(130, 'a') + ", \nb\n");
  EXPECT_EQ(line(130, ","), std::string(130, 'a') + ",b\n");
  EXPECT_EQ(line(131, ","), std::string(131, 'a') + ",\nb\n");
  EXPECT_EQ(line(200, ",x"), a200 + ",xb\n");
  EXPECT_EQ(line(200, ",  "), a200 + ",  b\n");
  EXPECT_EQ(WrittenText([](utl_Stream& s) { s.OptionalLineBreak(); }), "");

  // The column counts from the last line end, also one inside a text.
  EXPECT_EQ(WrittenText([&](utl_Stream& s) {
              s << a200.c_str() << ", " << endl << a129.c_str() << ", ";
              s.OptionalLineBreak();
              s << cow_String(a200 + "\n" + a129) << ", ";
              s.OptionalLineBreak();
              s << "b,";
              s.OptionalLineBreak();
              s << "c" << endl;
            }),
            a200 + ", \n" + a129 + ", " + a200 + "\n" + a129 + ", b,\nc\n");

  // A long keyword line goes over as many lines as it needs, each counted
  // afresh, wherever the buffer flushes.
  const std::string option = "option_xx=abcdefghij";
  std::string six;
  for (int i = 0; i < 6; ++i)
    six += option + ", ";
  const std::string expected =
      "*Keyword, " + six + "\n" + six + "\n" + option + ", " + option + "\n";
  auto keywordLine = [&](utl_Stream& s) {
    s << "*Keyword";
    for (int i = 0; i < 14; ++i) {
      s << ", ";
      s.OptionalLineBreak();
      s << option.c_str();
    }
    s << endl;
  };
  EXPECT_EQ(StreamText(keywordLine), expected);
  for (std::size_t size = 1; size <= 48; ++size)
    EXPECT_EQ(StreamText(keywordLine, size), expected) << "buffer of " << size;

  // Told the length of the next option, the line ends before it when the
  // option and the ", " after it would pass 256 characters: a line of 100
  // characters and ", " takes an option of 152, not one of 153.
  auto withOption = [](std::size_t length) {
    return WrittenText([&](utl_Stream& s) {
      s << std::string(100, 'a').c_str() << ", ";
      s.OptionalLineBreak(length);
      s << std::string(length, 'o').c_str() << ", x" << endl;
    });
  };
  EXPECT_EQ(withOption(152), std::string(100, 'a') + ", " + std::string(152, 'o') + ", x\n");
  EXPECT_EQ(withOption(153), std::string(100, 'a') + ", \n" + std::string(153, 'o') + ", x\n");
}

TEST(utl_StreamTest, FixNumericStringMakesPreformattedNumbersReals) {
  // Text, width, result: one leading blank is kept; reals and non-numbers stay.
  const std::tuple<const char*, int, const char*> cases[] = {
      {"1", 0, "1."},          {" 1", 2, " 1."},
      {"   1", 4, "  1."},     {"   -1e-005", 10, "   -1.e-05"},
      {"1E-005", 0, "1.E-05"}, {"1e+100", 0, "1.e+100"},
      {"  -2.5", 6, "  -2.5"}, {"  -nan", 6, "  -nan"},
      {"   ", 3, "   "},       {"", 0, ""}};
  for (const auto& [text, width, fixed] : cases) {
    char buffer[64] = {};
    std::strcpy(buffer, text);
    utl_Stream::FixNumericString(buffer, width);
    EXPECT_STREQ(buffer, fixed) << '"' << text << "\" in " << width;
  }
}

TEST(utl_StreamTest, SinkFailuresAreSticky) {
  // After a failed write nothing more reaches the sink, though it would take it.
  struct FailFirstWriteSink : aio_ostream {
    bool write(const char* data, std::size_t size) override {
      if (++calls == 1) return false;
      text.append(data, size);
      return true;
    }
    int calls = 0;
    std::string text;
  } sink;
  {
    utl_Stream s(sink, 131, 6, 6, 4);
    s << "*Heading" << endl;
    s.Flush();
    EXPECT_FALSE(s.Good());
  }
  EXPECT_EQ(sink.calls, 1);
  EXPECT_EQ(sink.text, "");
}

TEST(utl_StreamTest, FailedWriteOrCloseOfAFileMakesCloseFalse) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("utl_StreamTest." + std::to_string(getpid()) + ".inp"))
                               .string();
  const std::string deck =
      "*Node\n      1,          0.5,          -1.,           0.\n"
      "      2,           1.,          -2.,           0.\n";
  // Writes the deck through a buffer of `size` bytes; returns close() and sets `good`.
  bool good = false;
  auto write = [&](std::size_t size) {
    aio_ios out;
    EXPECT_TRUE(out.attach(rt_fopen(path.c_str(), "w"), true));
    {
      utl_Stream s(out, 131, 6, 6, size);
      s << deck.c_str();
      s.Flush();
      good = s.Good();
    }
    return out.close();
  };
  auto fileText = [&] {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  for (std::size_t size : {utl_Stream::kDefaultBufferSize, std::size_t{1}}) {
    EXPECT_TRUE(write(size) && good);
    EXPECT_EQ(fileText(), deck);
  }
  rt_FailCall(rt_Call::Write, 1, false);
  EXPECT_FALSE(write(utl_Stream::kDefaultBufferSize) || good);
  rt_ClearFaults();
  rt_FailCall(rt_Call::Close, 1, false);
  EXPECT_FALSE(write(utl_Stream::kDefaultBufferSize));
  EXPECT_TRUE(good);  // every byte went out; only the close failed

  // Fail the n-th write until the deck needs fewer: each failure reaches
  // close(), and the first clean run has the whole deck.
  const std::size_t size = 16;
  long n = 1;
  for (;; ++n) {
    rt_ClearFaults();
    rt_FailCall(rt_Call::Write, n, false);
    if (write(size)) break;
    EXPECT_FALSE(good) << "write " << n;
    ASSERT_LT(n, 1000);
  }
  rt_ClearFaults();
  EXPECT_TRUE(good);
  EXPECT_EQ(fileText(), deck);
  EXPECT_EQ(static_cast<std::size_t>(n - 1), (deck.size() + size - 1) / size);
  std::filesystem::remove(path);
}

}  // namespace
