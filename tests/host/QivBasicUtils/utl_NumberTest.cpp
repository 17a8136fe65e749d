// Reals in fields: the stream's integer-arithmetic text against the to_chars
// text (PrintReference) on boundary values, ties, random samples of doubles
// and floats, and non-finite bit patterns; integers at every digit count.
#include "QivBasicUtils/utl_Number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "support/aif_TestSupport.h"

namespace {

std::string NumberFastText(double value, int precision) {
  char text[kRealBufferSize + 1];
  return std::string(text, utl_FormatGeneralReal(text, value, precision));
}

std::string NumberFastText(float value, int precision) {
  char text[kRealBufferSize + 1];
  return std::string(text, utl_FormatGeneralReal(text, value, precision));
}

template <class Real>
std::string NumberReferenceText(Real value, int precision) {
  char text[kRealBufferSize + 1];
  return std::string(text, utl_AddRealMarker(text, utl_FormatGeneral(text, value, precision)));
}

double NumberFromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

float NumberFromBits32(std::uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Each value at every precision of its type, fast text against reference.
void ExpectNumberTextsAgree(const std::vector<double>& values) {
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    for (int p = 1; p <= 17; ++p)
      ASSERT_EQ(NumberFastText(v, p), NumberReferenceText(v, p))
          << std::hexfloat << v << " p=" << p;
    const float f = static_cast<float>(v);
    if (!std::isfinite(f)) continue;
    for (int p = 1; p <= 9; ++p)
      ASSERT_EQ(NumberFastText(f, p), NumberReferenceText(f, p))
          << std::hexfloat << f << " p=" << p;
  }
}

TEST(utl_NumberTest, BoundaryRealsInFields) {
  // Exact ties go to the even digit; rounding up to a new power of ten moves
  // the exponent before the layout is chosen; the widest texts stay whole.
  EXPECT_EQ(
      aif_test::WrittenText([](utl_Stream& s) {
        s.Print(0.0001220703125, 16, 9) << "|";
        s.Print(2.5, 3, 1) << "|";
        s.Print(3.5, 3, 1) << "|";
        s.Print(0.5, 3, 1) << "|";
        s.Print(9.5, 3, 1) << "|";
        s.Print(999999.5, 8, 6) << "|";
        s.Print(99999.95, 8, 6) << "|";
        s.Print(9.9999995e-05f, 8, 6) << "|";
        s.Print(12345678.5, 12, 9) << "|";
        s.Print(-0.0001220703125, 12, 9) << endl;
        s.Print(0.0001, 8, 6) << "|";
        s.Print(0.00001, 8, 6) << "|";
        s.Print(123456.0, 8, 6) << "|";
        s.Print(1234567.0, 8, 6) << "|";
        s.Print(1e15, 8, 15) << "|";
        s.Print(1e16, 8, 15) << "|";
        s.Print(1e100, 8, 15) << "|";
        s.Print(1.5e-300, 8, 3) << endl;
        s.Print(0.1, 12, 17) << "|";
        s.Print(1e-5, 12, 17) << "|";
        s.Print(1e22, 12, 17) << "|";
        s.Print(1e23, 12, 17) << endl;
        s.Print(std::numeric_limits<double>::denorm_min(), 0, 17) << "|";
        s.Print(DBL_MIN, 0, 17) << "|";
        s.Print(DBL_MAX, 0, 17) << "|";
        s.Print(-DBL_MAX, 0, 6) << endl;
        s.Print(std::numeric_limits<float>::denorm_min(), 0, 9) << "|";
        s.Print(FLT_MIN, 0, 9) << "|";
        s.Print(FLT_MAX, 0, 9) << "|";
        s.Print(static_cast<double>(0.1f), 12, 9) << "|";
        s.Print(0.1f, 12, 25) << "|";
        s.Print(0.1, 0, 25) << "|";
        s.Print(-0.0, 4, 9) << "|";
        s.Print(1e-20, 4, 9) << endl;
      }),
      "  0.000122070312| 2.| 4.|0.5|1.e+01|  1.e+06| 99999.9|  0.0001|  "
      "12345678.5|-0.000122070312\n"
      "  0.0001|  1.e-05| 123456.|1.23457e+06|  1.e+15|  1.e+16| 1.e+100|1.5e-300\n"
      "0.10000000000000001|1.0000000000000001e-05|      1.e+22|9.9999999999999992e+22\n"
      "4.9406564584124654e-324|2.2250738585072014e-308|1.7976931348623157e+308|-1.79769e+308\n"
      "1.40129846e-45|1.17549435e-38|3.40282347e+38| 0.100000001| 0.100000001|"
      "0.10000000000000001|  0.|1.e-20\n");

  // The same values and their neighbours, every power of ten and its
  // neighbours, against the reference at every precision.
  std::vector<double> values = {0.0001220703125,
                                2.5,
                                999999.5,
                                99999.95,
                                12345678.5,
                                1e23,
                                DBL_MAX,
                                DBL_MIN,
                                FLT_MAX,
                                FLT_MIN,
                                std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<float>::denorm_min(),
                                std::nextafter(DBL_MIN, 0.0),
                                0x1p-1022 * 0.5};
  for (int e = -325; e <= 308; ++e) {
    const double p10 = std::pow(10.0, e);
    values.insert(values.end(), {p10, std::nextafter(p10, 0.0), std::nextafter(p10, DBL_MAX), -p10,
                                 9.5 * p10, 9.95 * p10, 5 * p10});
  }
  // Exact ties: an integer plus one half, and odd multiples of negative
  // powers of two, whose last decimal digit is 5.
  for (std::uint64_t n = 1; n < (1ULL << 52); n = n * 7 + 3)
    values.push_back(static_cast<double>(n) + 0.5);
  for (int k = 1; k <= 70; ++k)
    for (std::uint64_t m : {1ULL, 3ULL, 12345ULL, 999999999ULL, (1ULL << 53) - 1})
      values.push_back(std::ldexp(static_cast<double>(m), -k));
  ExpectNumberTextsAgree(values);
}

TEST(utl_NumberTest, RandomRealsMatchTheReference) {
  std::mt19937_64 random(20261207);
  std::vector<double> values;
  // Any bit pattern (mostly far from 1), values in a mesh's range, decimal
  // steps, and floats widened to doubles.
  for (int i = 0; i < 60000; ++i) {
    const double any = NumberFromBits(random());
    if (std::isfinite(any)) values.push_back(any);
    values.push_back(std::uniform_real_distribution<double>(-1e6, 1e6)(random));
    values.push_back(static_cast<double>(random() % 2000001) * 0.0005 - 500.0);
    values.push_back(std::ldexp(static_cast<double>(random() % (1ULL << 53)),
                                static_cast<int>(random() % 120) - 100));
    values.push_back(NumberFromBits32(static_cast<std::uint32_t>(random())));
  }
  ExpectNumberTextsAgree(values);

  // Through the stream: fields and the default precisions.
  const std::string fast = aif_test::StreamText([&](utl_Stream& s) {
    for (std::size_t i = 0; i < values.size(); i += 7) {
      if (!std::isfinite(static_cast<float>(values[i]))) continue;
      s.Print(values[i], static_cast<int>(i % 20), static_cast<int>(i % 19) - 1);
      s.Print(static_cast<float>(values[i]), 12, 9) << endl;
    }
  });
  const std::string reference = aif_test::StreamText([&](utl_Stream& s) {
    for (std::size_t i = 0; i < values.size(); i += 7) {
      if (!std::isfinite(static_cast<float>(values[i]))) continue;
      s.PrintReference(values[i], static_cast<int>(i % 20), static_cast<int>(i % 19) - 1);
      s.PrintReference(static_cast<float>(values[i]), 12, 9) << endl;
    }
  });
  // The first line that differs, whole (a diff of the whole text is slow).
  std::size_t lineStart = 0;
  while (lineStart < fast.size()) {
    const std::size_t lineEnd = fast.find('\n', lineStart);
    ASSERT_EQ(fast.substr(lineStart, lineEnd + 1 - lineStart),
              reference.substr(lineStart, lineEnd + 1 - lineStart));
    lineStart = lineEnd + 1;
  }
  EXPECT_EQ(fast.size(), reference.size());
}

TEST(utl_NumberTest, NonFinitePatternsThrowTheReferenceMessage) {
  const std::uint64_t doubles[] = {0x7ff0000000000000ULL, 0xfff0000000000000ULL,
                                   0x7ff8000000000000ULL, 0x7ff0000000000001ULL,
                                   0xfff8000000000001ULL, 0x7fffffffffffffffULL};
  const std::uint32_t floats[] = {0x7f800000u, 0xff800000u, 0x7fc00000u, 0x7f800001u, 0xffffffffu};
  auto message = [](auto write) {
    std::string text;
    const std::string written = aif_test::StreamText([&](utl_Stream& s) {
      try {
        write(s);
      } catch (const nex_TextException& e) {
        text = e.Text().Str();
      }
    });
    EXPECT_EQ(written, "");
    return text;
  };
  for (std::uint64_t bits : doubles) {
    const double v = NumberFromBits(bits);
    const std::string text = message([&](utl_Stream& s) { s.Print(v, 12, 15); });
    EXPECT_EQ(text, std::string("A number that is not finite (") +
                        (std::isnan(v) ? "NaN" : (v > 0 ? "+infinity" : "-infinity")) +
                        ") cannot be written to the input file.");
    EXPECT_EQ(text, message([&](utl_Stream& s) { s.PrintReference(v, 12, 15); }));
  }
  for (std::uint32_t bits : floats) {
    const float v = NumberFromBits32(bits);
    const std::string text = message([&](utl_Stream& s) { s.Print(v, 12, 9); });
    EXPECT_EQ(text, std::string("A number that is not finite (") +
                        (std::isnan(v) ? "NaN" : (v > 0 ? "+infinity" : "-infinity")) +
                        ") cannot be written to the input file.");
    EXPECT_EQ(text, message([&](utl_Stream& s) { s.PrintReference(v, 12, 9); }));
  }
}

TEST(utl_NumberTest, IntegersAtEveryDigitCount) {
  // Both sides of every power of ten, the extremes, in and beyond a field.
  std::vector<long long> values = {0, INT_MAX, INT_MIN, INT_MIN + 1};
  for (long long p = 1; p <= 1000000000; p *= 10)
    values.insert(values.end(), {p - 1, p, -p, -(p - 1)});
  std::string expected;
  for (long long v : values) {
    const std::string digits = std::to_string(v);
    for (int width : {0, 7, 10, 11, 16, 17})
      expected +=
          std::string(width > static_cast<int>(digits.size()) ? width - digits.size() : 0, ' ') +
          digits + "|";
    expected += "\n";
  }
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) {
              for (long long v : values) {
                for (int width : {0, 7, 10, 11, 16, 17})
                  s.Print(static_cast<int>(v), width) << "|";
                s << endl;
              }
            }),
            expected);
  EXPECT_EQ(aif_test::WrittenText([](utl_Stream& s) {
              for (unsigned v : {0u, 9u, 10u, 99999u, 100000u, 4294967295u})
                s.Print(v, 11) << "|" << v << "|";
            }),
            "          0|0|          9|9|         10|10|      99999|99999|     100000|100000|"
            " 4294967295|4294967295|");
}

}  // namespace
