// The output stream: number forms, field widths, the small-real threshold,
// optional line breaks, the normalising of preformatted numbers and the
// handling of sink failures. Every expected text is the whole output.
#include "QivBasicUtils/utl_Stream.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "BasShared/cow_String.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/nex_Exception.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::StreamText;
using aif_test::WrittenText;

TEST(utl_StreamTest, OutputOperatorsWriteTextIntegersAndLineEnds) {
  std::string text;
  text = WrittenText([](utl_Stream& s) {
    const cow_String name("Part-1");
    s << "*Part, name=" << name << endl;
    s << 'x' << ',' << ' ' << "" << cow_String() << endl;
    s << 0 << " " << 17 << " " << -17 << " " << INT_MAX << " " << INT_MIN << endl;
    s << 0u << " " << 42u << " " << UINT_MAX << endl;
  });
  EXPECT_EQ(text,
            "*Part, name=Part-1\n"
            "x, \n"
            "0 17 -17 2147483647 -2147483648\n"
            "0 42 4294967295\n");

  // Every operator returns the stream, so a whole data line chains.
  text = WrittenText([](utl_Stream& s) {
    s << "*Node" << endl << 1 << ", " << 2.5 << ", " << -0.125f << ", " << 3u << endl;
    s.LineBreak();
    s.Print("**").LineBreak();
  });
  EXPECT_EQ(text,
            "*Node\n"
            "1, 2.5, -0.125, 3\n"
            "\n"
            "**\n");
}

TEST(utl_StreamTest, DefaultRealFormsAreShortestAndAlwaysCarryAPoint) {
  std::string text;
  text = WrittenText([](utl_Stream& s) {
    s << 1.0 << " " << -1.0 << " " << 0.1 << " " << -1.5 << " " << 100.0 << endl;
    s << 1e22 << " " << 1e-300 << " " << 5e-324 << " " << 2.5e-5 << " " << 1e15 << endl;
    s << 0.0 << " " << -0.0 << " " << 123456789012.0 << " " << 0.30000000000000004 << endl;
    s << std::numeric_limits<double>::max() << " " << std::numeric_limits<double>::min() << endl;
  });
  EXPECT_EQ(text,
            "1. -1. 0.1 -1.5 100.\n"
            "1.e+22 1.e-300 5.e-324 2.5e-05 1.e+15\n"
            "0. 0. 123456789012. 0.30000000000000004\n"
            "1.7976931348623157e+308 2.2250738585072014e-308\n");

  // A float is written with the digits of a float, not of the double it widens to.
  text = WrittenText([](utl_Stream& s) {
    s << 0.1f << " " << 1.0f << " " << -0.0f << " " << 16777216.0f << " " << 1e-45f << " "
      << std::numeric_limits<float>::max() << " " << 0.3f << endl;
  });
  EXPECT_EQ(text, "0.1 1. 0. 16777216. 1.e-45 3.4028235e+38 0.3\n");
}

// The solver reads back exactly the value the model holds: any finite double
// or float, written in the default form, parses to the same bits and is a real.
TEST(utl_StreamTest, DefaultRealFormsReadBackExactly) {
  std::mt19937_64 random(20240611);
  std::string text;
  std::vector<double> doubles;
  std::vector<float> floats;
  while (doubles.size() < 20000) {
    std::uint64_t bits = random();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d) && d != 0.0) doubles.push_back(d);
    auto half = static_cast<std::uint32_t>(bits >> 32);
    float f;
    std::memcpy(&f, &half, sizeof f);
    if (std::isfinite(f) && f != 0.0f) floats.push_back(f);
  }
  text = StreamText([&](utl_Stream& s) {
    for (double d : doubles)
      s << d << endl;
    for (float f : floats)
      s << f << endl;
  });

  std::istringstream lines(text);
  std::string line;
  auto checkReal = [](const std::string& t) {
    std::size_t mantissaEnd = std::min(t.find('e'), t.size());
    EXPECT_NE(t.find('.'), std::string::npos) << t;
    EXPECT_LT(t.find('.'), mantissaEnd) << t;
  };
  for (double d : doubles) {
    ASSERT_TRUE(std::getline(lines, line));
    double back = 0;
    auto r = std::from_chars(line.data(), line.data() + line.size(), back);
    ASSERT_EQ(r.ptr, line.data() + line.size()) << line;
    EXPECT_EQ(back, d) << line;
    checkReal(line);
  }
  for (float f : floats) {
    ASSERT_TRUE(std::getline(lines, line));
    float back = 0;
    auto r = std::from_chars(line.data(), line.data() + line.size(), back);
    ASSERT_EQ(r.ptr, line.data() + line.size()) << line;
    EXPECT_EQ(back, f) << line;
    checkReal(line);
  }
  EXPECT_FALSE(std::getline(lines, line));
}

TEST(utl_StreamTest, PrintPutsNumbersInFields) {
  std::string text;
  // Node and element lines as the keyword writers build them.
  text = WrittenText([](utl_Stream& s) {
    s.Print(1, 7) << ", ";
    s.Print(1.23456789012, 12, 9) << ", ";
    s.Print(-2.5, 12, 9) << ", ";
    s.Print(0.0, 12, 9) << endl;
    s.Print(1234567, 7) << ", ";
    s.Print(100.0, 12, 9) << ", ";
    s.Print(-1e-5, 12, 9) << ", ";
    s.Print(123456789012.0, 12, 9) << endl;
  });
  EXPECT_EQ(text,
            "      1,   1.23456789,         -2.5,           0.\n"
            "1234567,         100.,      -1.e-05, 1.23456789e+11\n");

  // Precision 15 in widths 12 and 15; a value wider than its field is kept whole.
  text = WrittenText([](utl_Stream& s) {
    s.Print(0.1, 12, 15) << "|";
    s.Print(0.1, 15, 15) << "|";
    s.Print(1.0 / 3.0, 12, 15) << "|";
    s.Print(-2.0 / 3.0, 15, 15) << "|";
    s.Print(1e15, 12, 15) << "|";
    s.Print(123456789012345.0, 15, 15) << "|";
    s.Print(210000.0, 12, 15) << "|";
    s.Print(7.85e-9, 12, 15) << endl;
  });
  EXPECT_EQ(text,
            "         0.1|            0.1|0.333333333333333|-0.666666666666667|      1.e+15|"
            "123456789012345.|     210000.|    7.85e-09\n");

  // Precision 6, and 0 or less falls back to the stream's own precisions.
  text = WrittenText([](utl_Stream& s) {
    s.Print(1.0 / 3.0, 12, 6) << "|";
    s.Print(1234567.0, 12, 6) << "|";
    s.Print(123456.0, 12, 6) << "|";
    s.Print(0.0001, 12, 6) << "|";
    s.Print(1.0 / 3.0, 12, 0) << "|";
    s.Print(1.0 / 3.0, 0, -3) << "|";
    s.Print(2.0f / 3.0f, 12, 0) << endl;
  });
  EXPECT_EQ(text,
            "    0.333333| 1.23457e+06|     123456.|      0.0001|    0.333333|0.333333|    "
            "0.666667\n");
  aio_StringSink sink;
  {
    utl_Stream s(sink, 131, 9, 4);
    s.Print(1.0 / 3.0, 0, 0) << " ";
    s.Print(1.0f / 3.0f, 0, 0) << endl;
  }
  EXPECT_EQ(sink.text(), "0.333333333 0.3333\n");

  // A float has no more than nine significant digits to give.
  text = WrittenText([](utl_Stream& s) {
    s.Print(0.1f, 12, 6) << "|";
    s.Print(0.1f, 12, 9) << "|";
    s.Print(0.1f, 15, 15) << "|";
    s.Print(-4.0f, 12, 15) << "|";
    s.Print(-0.0f, 4, 6) << endl;
  });
  EXPECT_EQ(text, "         0.1| 0.100000001|    0.100000001|         -4.|  0.\n");

  // Integers: no padding for width 0, right-aligned otherwise, never cut.
  text = WrittenText([](utl_Stream& s) {
    s.Print(42, 0) << "|";
    s.Print(42, 1) << "|";
    s.Print(42, 7) << "|";
    s.Print(-42, 3) << "|";
    s.Print(-42, -5) << "|";
    s.Print(INT_MIN, 12) << "|";
    s.Print(123456789, 4) << "|";
    s.Print(7u, 0) << "|";
    s.Print(UINT_MAX, 12) << "|";
    s.Print(7, 40) << "|";
    s.Print("text") << endl;
  });
  EXPECT_EQ(text, "42|42|     42|-42|-42| -2147483648|123456789|7|  4294967295|" +
                      std::string(39, ' ') + "7|text\n");
}

TEST(utl_StreamTest, SmallRealThresholdPrintsTinyValuesAsZero) {
  std::string text;
  text = WrittenText([](utl_Stream& s) {
    EXPECT_EQ(s.SmallestReal(), 0.0);
    s << 1e-12 << " " << 1e-12f << endl;
    {
      utl_StreamSmallReal outer(s, 1e-9);
      EXPECT_EQ(s.SmallestReal(), 1e-9);
      s << 1e-12 << " " << -1e-12 << " " << 2e-10f << " " << 1e-9 << " " << -2e-9f << endl;
      s.Print(5e-10, 12, 15) << ",";
      s.Print(-5e-10f, 12, 6) << ",";
      s.Print(2e-9, 12, 6) << endl;
      {
        utl_StreamSmallReal inner(s, 1e-3);
        s << 1e-4 << " " << 1e-10 << " " << 0.5 << endl;
        inner.UnsetSmallestReal();
        EXPECT_EQ(s.SmallestReal(), 1e-9);
        s << 1e-4 << " " << 1e-10 << endl;
        // Unset early, the guard no longer touches the stream.
        s.SetSmallestReal(1e-6);
      }
      EXPECT_EQ(s.SmallestReal(), 1e-6);
      s.SetSmallestReal(1e-9);
      {
        utl_StreamSmallReal inner(s, 1e-3);
        s << 1e-4 << endl;
      }
      EXPECT_EQ(s.SmallestReal(), 1e-9);
      s << 1e-4 << " " << 1e-12 << endl;
    }
    EXPECT_EQ(s.SmallestReal(), 0.0);
    s << 1e-12 << endl;
  });
  EXPECT_EQ(text,
            "1.e-12 1.e-12\n"
            "0. 0. 0. 1.e-09 -2.e-09\n"
            "          0.,          0.,      2.e-09\n"
            "0. 0. 0.5\n"
            "1.e-04 0.\n"
            "0.\n"
            "1.e-04 0.\n"
            "1.e-12\n");
}

TEST(utl_StreamTest, NonFiniteRealsThrowAndWriteNothing) {
  struct Case {
    const char* name;
    double value;
  };
  const Case cases[] = {{"NaN", std::numeric_limits<double>::quiet_NaN()},
                        {"+infinity", std::numeric_limits<double>::infinity()},
                        {"-infinity", -std::numeric_limits<double>::infinity()}};
  using Writer = std::function<void(utl_Stream&, double)>;
  const Writer writers[] = {
      [](utl_Stream& s, double v) { s << v; },
      [](utl_Stream& s, double v) { s << static_cast<float>(v); },
      [](utl_Stream& s, double v) { s.Print(v, 12, 15); },
      [](utl_Stream& s, double v) { s.Print(static_cast<float>(v), 12, 6); },
  };
  for (const Case& c : cases) {
    const std::string expected = std::string("A number that is not finite (") + c.name +
                                 ") cannot be written to the input file.";
    for (std::size_t w = 0; w < std::size(writers); ++w) {
      for (double threshold : {0.0, 1e300}) {
        SCOPED_TRACE(std::string(c.name) + " writer " + std::to_string(w) + " threshold " +
                     std::to_string(threshold));
        std::string text = WrittenText([&](utl_Stream& s) {
          utl_StreamSmallReal guard(s, threshold);
          s << "a,";
          try {
            writers[w](s, c.value);
            ADD_FAILURE() << "no exception";
          } catch (const nex_TextException& e) {
            EXPECT_EQ(e.Text().Str(), expected);
          }
          EXPECT_EQ(s.BytesWritten(), 2u);
          s << "b" << endl;
        });
        EXPECT_EQ(text, "a,b\n");
      }
    }
  }
}

// Options of a keyword line, each ", " then an optional break then the text.
std::string Option(int i) {
  return "option_" + std::to_string(10 + i) + "=abcdefghij";
}

void WriteKeywordLine(utl_Stream& s, int options) {
  s << "*Keyword";
  for (int i = 1; i <= options; ++i) {
    s << ", ";
    s.OptionalLineBreak();
    s << Option(i).c_str();
  }
  s << endl;
}

std::string Options(int from, int to) {
  std::string text = Option(from);
  for (int i = from + 1; i <= to; ++i)
    text += ", " + Option(i);
  return text;
}

TEST(utl_StreamTest, OptionalLineBreakEndsLongLinesAfterAComma) {
  auto line = [](std::size_t length, const char* tail) {
    return WrittenText([&](utl_Stream& s) {
      s << std::string(length, 'a').c_str() << tail;
      s.OptionalLineBreak();
      s << "b" << endl;
    });
  };
  std::string text;
  const std::string a129(129, 'a'), a130(130, 'a'), a131(131, 'a'), a200(200, 'a');
  // Up to 131 characters a line stays whole; one more and it breaks.
  EXPECT_EQ(line(129, ", "), a129 + ", b\n");
  EXPECT_EQ(line(130, ", "), a130 + ", \nb\n");
  EXPECT_EQ(line(130, ","), a130 + ",b\n");
  EXPECT_EQ(line(131, ","), a131 + ",\nb\n");
  // Not after a comma: nothing is written however long the line.
  EXPECT_EQ(line(200, ""), a200 + "b\n");
  EXPECT_EQ(line(200, " "), a200 + " b\n");
  EXPECT_EQ(line(200, ",x"), a200 + ",xb\n");
  EXPECT_EQ(line(200, ",  "), a200 + ",  b\n");
  // A short line, and the start of the output.
  EXPECT_EQ(line(3, ", "), "aaa, b\n");
  EXPECT_EQ(WrittenText([](utl_Stream& s) { s.OptionalLineBreak(); }), "");

  // The column counts from the last line end, also one inside a text.
  text = WrittenText([&](utl_Stream& s) {
    s << a200.c_str() << ", " << endl << a129.c_str() << ", ";
    s.OptionalLineBreak();
    s << cow_String(a200 + "\n" + a129) << ", ";
    s.OptionalLineBreak();
    s << "b,";
    s.OptionalLineBreak();
    s << "c" << endl;
  });
  EXPECT_EQ(text, a200 + ", \n" + a129 + ", " + a200 + "\n" + a129 + ", b,\nc\n");

  // A long keyword line goes on over as many lines as it needs; each new
  // line is counted afresh.
  const std::string expected =
      "*Keyword, " + Options(1, 6) + ", \n" + Options(7, 12) + ", \n" + Options(13, 14) + "\n";
  EXPECT_EQ(WrittenText([](utl_Stream& s) { WriteKeywordLine(s, 14); }), expected);
  // Wherever the buffer flushes (the tail ", " split or not).
  for (std::size_t size = 1; size <= 48; ++size) {
    EXPECT_EQ(StreamText([](utl_Stream& s) { WriteKeywordLine(s, 14); }, size), expected)
        << "buffer of " << size;
  }
}

std::string Fixed(const char* text, int width) {
  char buffer[64] = {};
  std::strcpy(buffer, text);
  utl_Stream::FixNumericString(buffer, width);
  return buffer;
}

TEST(utl_StreamTest, FixNumericStringMakesPreformattedNumbersReals) {
  EXPECT_EQ(Fixed("1", 0), "1.");
  EXPECT_EQ(Fixed("-1", 2), "-1.");
  EXPECT_EQ(Fixed(" 1", 2), " 1.");
  EXPECT_EQ(Fixed("   1", 4), "  1.");
  EXPECT_EQ(Fixed(" 123456", 7), " 123456.");
  EXPECT_EQ(Fixed("1e+10", 0), "1.e+10");
  EXPECT_EQ(Fixed("  1e+10", 7), " 1.e+10");
  EXPECT_EQ(Fixed("1e+005", 0), "1.e+05");
  EXPECT_EQ(Fixed("   -1e-005", 10), "   -1.e-05");
  EXPECT_EQ(Fixed("1.5E-005", 0), "1.5E-05");
  EXPECT_EQ(Fixed("1e+100", 0), "1.e+100");
  EXPECT_EQ(Fixed("2.5e+10", 0), "2.5e+10");
  // Already readable as a real, or not a number at all: unchanged.
  EXPECT_EQ(Fixed("-2.5", 0), "-2.5");
  EXPECT_EQ(Fixed("  -2.5", 6), "  -2.5");
  EXPECT_EQ(Fixed("0.", 2), "0.");
  EXPECT_EQ(Fixed("nan", 3), "nan");
  EXPECT_EQ(Fixed("  -nan", 6), "  -nan");
  EXPECT_EQ(Fixed("inf", 0), "inf");
  EXPECT_EQ(Fixed("   ", 3), "   ");
  EXPECT_EQ(Fixed(" ", 1), " ");
  EXPECT_EQ(Fixed("", 0), "");
}

TEST(utl_StreamTest, BytesWrittenCountsEveryByteGiven) {
  aio_StringSink sink;
  utl_Stream s(sink, 131, 6, 6, 4);
  EXPECT_EQ(s.BytesWritten(), 0u);
  s << "*Node" << endl;
  EXPECT_EQ(s.BytesWritten(), 6u);
  s.Print(12, 7) << ", ";
  s.Print(0.5, 12, 9);
  EXPECT_EQ(s.BytesWritten(), 6u + 7u + 2u + 12u);
  s << 1e22 << 'x';
  EXPECT_EQ(s.BytesWritten(), 27u + 6u + 1u);
  s.Flush();
  EXPECT_EQ(s.BytesWritten(), 34u);
  EXPECT_EQ(sink.text().size(), 34u);
}

// Fails its first write and keeps every later one.
class FailFirstWriteSink : public aio_ostream {
 public:
  bool write(const char* data, std::size_t size) override {
    if (++calls_ == 1) return false;
    text_.append(data, size);
    return true;
  }
  int calls() const { return calls_; }
  const std::string& text() const { return text_; }

 private:
  int calls_ = 0;
  std::string text_;
};

TEST(utl_StreamTest, SinkFailuresAreSticky) {
  {
    aio_FailingSink sink(10);
    utl_Stream s(sink, 131, 6, 6);
    s << "*Heading" << endl << "** a comment" << endl;
    EXPECT_TRUE(s.Good());  // still in the buffer
    s.Flush();
    EXPECT_FALSE(s.Good());
    EXPECT_EQ(sink.text(), "*Heading\n*");
    s << "*Node" << endl;
    s.Flush();
    EXPECT_FALSE(s.Good());
    EXPECT_EQ(sink.text(), "*Heading\n*");
    EXPECT_EQ(s.BytesWritten(), 28u);
    EXPECT_FALSE(sink.close());
  }
  {
    // Once a write has failed, nothing more goes to the sink, even a sink
    // that would take it: the file would have a hole.
    FailFirstWriteSink sink;
    {
      utl_Stream s(sink, 131, 6, 6, 4);
      s << "*Heading" << endl;
      EXPECT_FALSE(s.Good());
      s.Flush();
      EXPECT_FALSE(s.Good());
    }
    EXPECT_EQ(sink.calls(), 1);
    EXPECT_EQ(sink.text(), "");
  }
  {
    aio_FailingSink sink(100);
    {
      utl_Stream s(sink, 131, 6, 6);
      s << "*Heading" << endl;
      s.Flush();
      EXPECT_TRUE(s.Good());
    }
    EXPECT_EQ(sink.text(), "*Heading\n");
    EXPECT_TRUE(sink.close());
  }
}

class utl_StreamFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt_ClearFaults();
    char pattern[] = "/tmp/utl_StreamTest.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    path_ = (dir_ / "job.inp").string();
  }
  void TearDown() override {
    rt_ClearFaults();
    std::filesystem::remove_all(dir_);
  }

  // Writes a small deck to the file through a stream of `bufferSize` bytes;
  // returns what the file object's close() says.
  bool WriteDeck(std::size_t bufferSize, bool* streamGood = nullptr) {
    FILE* file = rt_fopen(path_.c_str(), "w");
    EXPECT_NE(file, nullptr);
    aio_ios out;
    out.attach(file, true);
    {
      utl_Stream s(out, 131, 6, 6, bufferSize);
      s << "*Node" << endl;
      for (int i = 1; i <= 3; ++i) {
        s.Print(i, 7) << ", ";
        s.Print(0.5 * i, 12, 9) << ", ";
        s.Print(-1.0 * i, 12, 9) << ", ";
        s.Print(0.0, 12, 9) << endl;
      }
      s.Flush();
      if (streamGood) *streamGood = s.Good();
    }
    return out.close();
  }

  std::string FileText() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static constexpr const char* kDeck =
      "*Node\n"
      "      1,          0.5,          -1.,           0.\n"
      "      2,           1.,          -2.,           0.\n"
      "      3,          1.5,          -3.,           0.\n";

  std::filesystem::path dir_;
  std::string path_;
};

TEST_F(utl_StreamFileTest, CleanWriteClosesTrueWithExactlyTheBytes) {
  bool good = false;
  EXPECT_TRUE(WriteDeck(utl_Stream::kDefaultBufferSize, &good));
  EXPECT_TRUE(good);
  EXPECT_EQ(FileText(), kDeck);
  EXPECT_TRUE(WriteDeck(1, &good));
  EXPECT_TRUE(good);
  EXPECT_EQ(FileText(), kDeck);
}

TEST_F(utl_StreamFileTest, FailedWriteOrCloseMakesCloseFalse) {
  bool good = true;
  rt_FailCall(rt_Call::Write, 1, false);
  EXPECT_FALSE(WriteDeck(utl_Stream::kDefaultBufferSize, &good));
  EXPECT_FALSE(good);

  rt_ClearFaults();
  rt_FailCall(rt_Call::Close, 1, false);
  EXPECT_FALSE(WriteDeck(utl_Stream::kDefaultBufferSize, &good));
  EXPECT_TRUE(good);  // every byte went out; only the close failed

  // Fail the n-th write for n = 1, 2, ... until the deck needs fewer writes:
  // every failure reaches close(), and the first clean run has the whole deck.
  const std::size_t bufferSize = 16;
  long n = 1;
  for (;; ++n) {
    rt_ClearFaults();
    rt_FailCall(rt_Call::Write, n, false);
    good = true;
    bool closed = WriteDeck(bufferSize, &good);
    if (closed) break;
    EXPECT_FALSE(good) << "write " << n;
    ASSERT_LT(n, 1000);
  }
  EXPECT_TRUE(good);
  EXPECT_EQ(FileText(), kDeck);
  EXPECT_EQ(static_cast<std::size_t>(n - 1), (std::strlen(kDeck) + bufferSize - 1) / bufferSize);
}

}  // namespace
