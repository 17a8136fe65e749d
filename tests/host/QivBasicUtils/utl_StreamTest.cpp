// The output stream: number forms, field widths, the small-real threshold,
// optional line breaks, the normalising of preformatted numbers and the
// handling of sink failures. Every expected text is the whole output.
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
#include <utility>

#include "BasShared/cow_String.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/nex_Exception.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::StreamText;
using aif_test::WrittenText;

TEST(utl_StreamTest, OutputOperatorsWriteTextIntegersAndLineEnds) {
  // Every operator returns the stream, so a whole data line chains.
  EXPECT_EQ(WrittenText([](utl_Stream& s) {
              s << "*Part, name=" << cow_String("Part-1") << endl;
              s << 'x' << ',' << "" << cow_String() << 17 << " " << INT_MIN << " " << UINT_MAX
                << " " << -0.125f << endl;
              s.Print("**").LineBreak();
            }),
            "*Part, name=Part-1\n"
            "x,17 -2147483648 4294967295 -0.125\n"
            "**\n");
}

// The shortest text that reads back to the same value, always readable as a real.
TEST(utl_StreamTest, DefaultRealFormsAreShortestAndAlwaysCarryAPoint) {
  EXPECT_EQ(WrittenText([](utl_Stream& s) {
              s << 1.0 << " " << -1.5 << " " << 100.0 << " " << 123456789012.0 << " " << -0.0 << " "
                << 0.30000000000000004 << endl;
              s << 1e22 << " " << 2.5e-5 << " " << 5e-324 << " "
                << std::numeric_limits<double>::max() << endl;
              // A float has the digits of a float, not of the double it widens to.
              s << 0.1f << " " << -0.0f << " " << 16777216.0f << " " << 1e-45f << " "
                << std::numeric_limits<float>::max() << endl;
            }),
            "1. -1.5 100. 123456789012. 0. 0.30000000000000004\n"
            "1.e+22 2.5e-05 5.e-324 1.7976931348623157e+308\n"
            "0.1 0. 16777216. 1.e-45 3.4028235e+38\n");
}

TEST(utl_StreamTest, PrintPutsNumbersInFields) {
  EXPECT_EQ(WrittenText([](utl_Stream& s) {
              // A node line as the keyword writers build it; a value wider than
              // its field is kept whole.
              s.Print(1234567, 7) << ", ";
              s.Print(1.23456789012, 12, 9) << ", ";
              s.Print(-1e-5, 12, 9) << ", ";
              s.Print(100.0, 12, 9) << ", ";
              s.Print(0.0, 12, 9) << ", ";
              s.Print(123456789012.0, 12, 9) << endl;
              // The general layout switches to an exponent at the precision; a
              // float has no more than nine significant digits to give.
              s.Print(1.0 / 3.0, 12, 15) << "|";
              s.Print(1e15, 12, 15) << "|";
              s.Print(123456789012345.0, 15, 15) << "|";
              s.Print(1234567.0, 12, 6) << "|";
              s.Print(0.0001, 12, 6) << "|";
              s.Print(0.1f, 12, 9) << "|";
              s.Print(0.1f, 15, 15) << "|";
              s.Print(-0.0f, 4, 6) << endl;
              // Integers: no padding for width 0 or less, right-aligned otherwise, never cut.
              s.Print(42, 0) << "|";
              s.Print(-42, -5) << "|";
              s.Print(123456789, 4) << "|";
              s.Print(UINT_MAX, 12) << "|";
              s.Print(7, 40) << endl;
            }),
            "1234567,   1.23456789,      -1.e-05,         100.,           0., 1.23456789e+11\n"
            "0.333333333333333|      1.e+15|123456789012345.| 1.23457e+06|      0.0001|"
            " 0.100000001|    0.100000001|  0.\n"
            "42|-42|123456789|  4294967295|" +
                std::string(39, ' ') + "7\n");

  // A precision of 0 or less takes the stream's own precision for the type.
  aio_StringSink sink;
  {
    utl_Stream s(sink, 131, 9, 4);
    s.Print(1.0 / 3.0, 0, 0) << " ";
    s.Print(1.0 / 3.0, 12, -3) << " ";
    s.Print(1.0f / 3.0f, 0, 0) << endl;
  }
  EXPECT_EQ(sink.text(), "0.333333333  0.333333333 0.3333\n");
}

TEST(utl_StreamTest, SmallRealThresholdPrintsTinyValuesAsZero) {
  std::string text = WrittenText([](utl_Stream& s) {
    s << 1e-12 << endl;  // no threshold by default
    {
      utl_StreamSmallReal outer(s, 1e-9);
      // Below the threshold in magnitude: zero; at it: the value.
      s << 1e-12 << " " << -1e-12 << " " << 2e-10f << " " << 1e-9 << " " << -2e-9f << endl;
      s.Print(5e-10, 12, 15) << ",";
      s.Print(-5e-10f, 12, 6) << endl;
      {
        utl_StreamSmallReal inner(s, 1e-3);
        s << 1e-4 << " " << 0.5 << endl;
      }
      s << 1e-4 << " " << 1e-10 << endl;  // the outer threshold again
    }
    s << 1e-12 << endl;
  });
  EXPECT_EQ(text,
            "1.e-12\n"
            "0. 0. 0. 1.e-09 -2.e-09\n"
            "          0.,          0.\n"
            "0. 0.5\n"
            "1.e-04 0.\n"
            "1.e-12\n");
}

// Guards form a stack with removal: the newest guard still alive rules,
// whatever order guards are released in.
TEST(utl_StreamTest, SmallRealGuardsReleasedInAnyOrder) {
  // One line: the threshold in force, then 1e-5 and 1e-2 as they print.
  auto state = [](utl_Stream& s) -> utl_Stream& {
    return s << s.SmallestReal() << ": " << 1e-5 << " " << 1e-2 << endl;
  };
  EXPECT_EQ(WrittenText([&](utl_Stream& s) {
              // Released out of order: the outer goes first, the inner stays.
              auto outer = std::make_unique<utl_StreamSmallReal>(s, 1e-3);
              auto inner = std::make_unique<utl_StreamSmallReal>(s, 1e-6);
              state(s);
              outer.reset();
              state(s);
              inner.reset();
              state(s);
            }),
            "1.e-06: 1.e-05 0.01\n"
            "1.e-06: 1.e-05 0.01\n"
            "0.: 1.e-05 0.01\n");

  EXPECT_EQ(WrittenText([&](utl_Stream& s) {
              // Three guards: removing the middle one leaves the newest in
              // force; removing the newest then leaves the oldest.
              auto first = std::make_unique<utl_StreamSmallReal>(s, 1e-1);
              auto second = std::make_unique<utl_StreamSmallReal>(s, 1e-3);
              auto third = std::make_unique<utl_StreamSmallReal>(s, 1e-6);
              second.reset();
              state(s);
              third.reset();
              state(s);
              // A guard made after others were released still comes out on top.
              second = std::make_unique<utl_StreamSmallReal>(s, 1e-3);
              state(s);
              first.reset();
              second.reset();
              state(s);
            }),
            "1.e-06: 1.e-05 0.01\n"
            "0.1: 0. 0.\n"
            "0.001: 0. 0.01\n"
            "0.: 1.e-05 0.01\n");

  EXPECT_EQ(WrittenText([&](utl_Stream& s) {
              utl_StreamSmallReal outer(s, 1e-3);
              {
                utl_StreamSmallReal inner(s, 1e-6);
                // Unset early: only this guard's entry goes, and a second
                // unset (and the destructor) removes nothing more.
                inner.UnsetSmallestReal();
                state(s);
                inner.UnsetSmallestReal();
                state(s);
              }
              state(s);
              outer.UnsetSmallestReal();
              state(s);
            }),
            "0.001: 0. 0.01\n"
            "0.001: 0. 0.01\n"
            "0.001: 0. 0.01\n"
            "0.: 1.e-05 0.01\n");

  // The base threshold set on the stream rules where no guard is alive, and
  // comes back when the last one goes.
  EXPECT_EQ(WrittenText([&](utl_Stream& s) {
              s.SetSmallestReal(1e-4);
              state(s);
              {
                utl_StreamSmallReal guard(s, 1e-6);
                s.SetSmallestReal(1e-1);  // the guard still rules
                state(s);
              }
              state(s);
            }),
            "1.e-04: 0. 0.01\n"
            "1.e-06: 1.e-05 0.01\n"
            "0.1: 0. 0.\n");
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
      // Not even a threshold above every finite value makes it a zero.
      for (double threshold : {0.0, 1e300}) {
        SCOPED_TRACE(std::string(name) + " writer " + std::to_string(w));
        std::string text = WrittenText([&](utl_Stream& s) {
          utl_StreamSmallReal guard(s, threshold);
          s << "a,";
          try {
            writers[w](s, value);
            ADD_FAILURE() << "no exception";
          } catch (const nex_TextException& e) {
            EXPECT_EQ(e.Text().Str(), std::string("A number that is not finite (") + name +
                                          ") cannot be written to the input file.");
          }
          EXPECT_EQ(s.BytesWritten(), 2u);
          s << "b" << endl;
        });
        EXPECT_EQ(text, "a,b\n");
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
  const std::string a129(129, 'a'), a130(130, 'a'), a131(131, 'a'), a200(200, 'a');
  // Up to 131 characters a line stays whole; one more and it breaks.
  EXPECT_EQ(line(129, ", "), a129 + ", b\n");
  EXPECT_EQ(line(130, ", "), a130 + ", \nb\n");
  EXPECT_EQ(line(130, ","), a130 + ",b\n");
  EXPECT_EQ(line(131, ","), a131 + ",\nb\n");
  // Not after a comma: nothing is written however long the line.
  EXPECT_EQ(line(200, ",x"), a200 + ",xb\n");
  EXPECT_EQ(line(200, ",  "), a200 + ",  b\n");
  EXPECT_EQ(WrittenText([](utl_Stream& s) { s.OptionalLineBreak(); }), "");

  // The column counts from the last line end, also one inside a text.
  std::string text = WrittenText([&](utl_Stream& s) {
    s << a200.c_str() << ", " << endl << a129.c_str() << ", ";
    s.OptionalLineBreak();
    s << cow_String(a200 + "\n" + a129) << ", ";
    s.OptionalLineBreak();
    s << "b,";
    s.OptionalLineBreak();
    s << "c" << endl;
  });
  EXPECT_EQ(text, a200 + ", \n" + a129 + ", " + a200 + "\n" + a129 + ", b,\nc\n");

  // A long keyword line goes on over as many lines as it needs, each counted
  // afresh, wherever the buffer flushes (the tail ", " split or not).
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
}

TEST(utl_StreamTest, FixNumericStringMakesPreformattedNumbersReals) {
  struct Case {
    const char* text;
    int width;
    const char* fixed;
  };
  const Case cases[] = {
      {"1", 0, "1."},
      {" 1", 2, " 1."},  // one leading blank is kept
      {"   1", 4, "  1."},
      {"   -1e-005", 10, "   -1.e-05"},
      {"1E-005", 0, "1.E-05"},
      {"1e+100", 0, "1.e+100"},
      // Already readable as a real, or not a number at all: unchanged.
      {"  -2.5", 6, "  -2.5"},
      {"  -nan", 6, "  -nan"},
      {"   ", 3, "   "},
      {"", 0, ""},
  };
  for (const Case& c : cases) {
    char buffer[64] = {};
    std::strcpy(buffer, c.text);
    utl_Stream::FixNumericString(buffer, c.width);
    EXPECT_STREQ(buffer, c.fixed) << '"' << c.text << "\" in " << c.width;
  }
}

// Fails its first write and keeps every later one.
class FailFirstWriteSink : public aio_ostream {
 public:
  bool write(const char* data, std::size_t size) override {
    if (++calls == 1) return false;
    text.append(data, size);
    return true;
  }
  int calls = 0;
  std::string text;
};

TEST(utl_StreamTest, SinkFailuresAreSticky) {
  // Once a write has failed, nothing more goes to the sink, even a sink that
  // would take it: the file would have a hole.
  FailFirstWriteSink sink;
  {
    utl_Stream s(sink, 131, 6, 6, 4);
    s << "*Heading" << endl;
    s.Flush();
    EXPECT_FALSE(s.Good());
  }
  EXPECT_EQ(sink.calls, 1);
  EXPECT_EQ(sink.text, "");
}

class utl_StreamFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    rt_ClearFaults();
    std::filesystem::remove(path_);
  }

  // Writes the deck to the file through a stream of `bufferSize` bytes;
  // returns what the file object's close() says and sets `streamGood`.
  bool WriteDeck(std::size_t bufferSize, bool& streamGood) {
    aio_ios out;
    EXPECT_TRUE(out.attach(rt_fopen(path_.c_str(), "w"), true));
    {
      utl_Stream s(out, 131, 6, 6, bufferSize);
      s << kDeck;
      s.Flush();
      streamGood = s.Good();
    }
    return out.close();
  }

  std::string FileText() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  static constexpr const char* kDeck =
      "*Node\n"
      "      1,          0.5,          -1.,           0.\n"
      "      2,           1.,          -2.,           0.\n";
  const std::string path_ = (std::filesystem::temp_directory_path() /
                             ("utl_StreamTest." + std::to_string(getpid()) + ".inp"))
                                .string();
};

TEST_F(utl_StreamFileTest, CleanWriteClosesTrueWithExactlyTheBytes) {
  for (std::size_t size : {utl_Stream::kDefaultBufferSize, std::size_t{1}}) {
    bool good = false;
    EXPECT_TRUE(WriteDeck(size, good));
    EXPECT_TRUE(good);
    EXPECT_EQ(FileText(), kDeck);
  }
}

TEST_F(utl_StreamFileTest, FailedWriteOrCloseMakesCloseFalse) {
  bool good = true;
  rt_FailCall(rt_Call::Write, 1, false);
  EXPECT_FALSE(WriteDeck(utl_Stream::kDefaultBufferSize, good));
  EXPECT_FALSE(good);

  rt_ClearFaults();
  rt_FailCall(rt_Call::Close, 1, false);
  EXPECT_FALSE(WriteDeck(utl_Stream::kDefaultBufferSize, good));
  EXPECT_TRUE(good);  // every byte went out; only the close failed

  // Fail the n-th write for n = 1, 2, ... until the deck needs fewer writes:
  // every failure reaches close(), and the first clean run has the whole deck.
  const std::size_t bufferSize = 16;
  long n = 1;
  for (;; ++n) {
    rt_ClearFaults();
    rt_FailCall(rt_Call::Write, n, false);
    if (WriteDeck(bufferSize, good)) break;
    EXPECT_FALSE(good) << "write " << n;
    ASSERT_LT(n, 1000);
  }
  EXPECT_TRUE(good);
  EXPECT_EQ(FileText(), kDeck);
  EXPECT_EQ(static_cast<std::size_t>(n - 1), (std::strlen(kDeck) + bufferSize - 1) / bufferSize);
}

}  // namespace
