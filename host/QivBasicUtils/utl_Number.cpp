#include "QivBasicUtils/utl_Number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "QivBasicUtils/nex_Exception.h"

namespace {

template <class Real>
void RejectNonFinite(Real value) {
  if (std::isfinite(value)) return;
  const char* what = std::isnan(value) ? "NaN" : (value > 0 ? "+infinity" : "-infinity");
  throw nex_TextException(cow_String("A number that is not finite (") + what +
                          ") cannot be written to the input file.");
}

template <class Real>
std::size_t General(char* out, Real value, int precision, int maxPrecision) {
  RejectNonFinite(value);
  if (value == 0) {
    out[0] = '0';
    return 1;
  }
  if (precision <= 0) precision = 6;
  if (precision > maxPrecision) precision = maxPrecision;
  auto result =
      std::to_chars(out, out + kRealBufferSize, value, std::chars_format::general, precision);
  return static_cast<std::size_t>(result.ptr - out);
}

template <class Real>
std::size_t Shortest(char* out, Real value) {
  RejectNonFinite(value);
  if (value == 0) {
    out[0] = '0';
    return 1;
  }
  auto result = std::to_chars(out, out + kRealBufferSize, value);
  return static_cast<std::size_t>(result.ptr - out);
}

}  // namespace

std::size_t utl_FormatGeneral(char* out, double value, int precision) {
  return General(out, value, precision, 17);
}

std::size_t utl_FormatGeneral(char* out, float value, int precision) {
  return General(out, value, precision, 9);
}

std::size_t utl_FormatShortest(char* out, double value) {
  return Shortest(out, value);
}

std::size_t utl_FormatShortest(char* out, float value) {
  return Shortest(out, value);
}

std::size_t utl_AddRealMarker(char* text, std::size_t size) {
  std::size_t mantissaEnd = size;
  for (std::size_t i = 0; i < size; ++i) {
    if (text[i] == '.') return size;
    if (text[i] == 'e' || text[i] == 'E') {
      mantissaEnd = i;
      break;
    }
  }
  std::memmove(text + mantissaEnd + 1, text + mantissaEnd, size - mantissaEnd);
  text[mantissaEnd] = '.';
  return size + 1;
}

namespace {

__extension__ typedef unsigned __int128 NumberU128;

constexpr std::uint64_t kNumberPow10[20] = {1ULL,
                                            10ULL,
                                            100ULL,
                                            1000ULL,
                                            10000ULL,
                                            100000ULL,
                                            1000000ULL,
                                            10000000ULL,
                                            100000000ULL,
                                            1000000000ULL,
                                            10000000000ULL,
                                            100000000000ULL,
                                            1000000000000ULL,
                                            10000000000000ULL,
                                            100000000000000ULL,
                                            1000000000000000ULL,
                                            10000000000000000ULL,
                                            100000000000000000ULL,
                                            1000000000000000000ULL,
                                            10000000000000000000ULL};

// 10^k as a 128-bit integer, k = 0 .. 38, and its bit length.
struct NumberPow10Wide {
  NumberU128 value[39];
  int bits[39];
  constexpr NumberPow10Wide() : value(), bits() {
    NumberU128 v = 1;
    for (int k = 0; k < 39; ++k) {
      value[k] = v;
      int b = 0;
      for (NumberU128 x = v; x != 0; x >>= 1)
        ++b;
      bits[k] = b;
      v *= 10;
    }
  }
};
constexpr NumberPow10Wide kNumberPow10Wide;

constexpr char kNumberDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the four decimal digits of `v` (below 10000) at `out`.
inline void PutNumberDigits4(char* out, unsigned v) {
  std::memcpy(out, kNumberDigitPairs + 2 * (v / 100), 2);
  std::memcpy(out + 2, kNumberDigitPairs + 2 * (v % 100), 2);
}

// Writes the `count` decimal digits of `n` (leading zeros included) ending
// just before `end`. Eight digits at a time in two independent halves: the
// divisions of one do not wait for the other's.
inline void PutNumberDigits(char* end, std::uint64_t n, int count) {
  while (count >= 8) {
    const auto eight = static_cast<unsigned>(n % 100000000);
    n /= 100000000;
    end -= 8;
    PutNumberDigits4(end, eight / 10000);
    PutNumberDigits4(end + 4, eight % 10000);
    count -= 8;
  }
  auto rest = static_cast<unsigned>(n);
  while (count >= 2) {
    const unsigned pair = rest % 100;
    rest /= 100;
    end -= 2;
    std::memcpy(end, kNumberDigitPairs + 2 * pair, 2);
    count -= 2;
  }
  if (count) *--end = static_cast<char>('0' + rest % 10);
}

// The significand of a positive finite `value` rounded to `precision` digits
// (ties to even) and the decimal exponent of its first digit, after rounding.
// False when the exact arithmetic does not fit in 128 bits.
bool RoundedDecimal(double value, int precision, std::uint64_t& digits, int& exponent) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7ff);
  std::uint64_t m = bits & ((1ULL << 52) - 1);
  int e;
  if (biased == 0) {
    e = -1074;
  } else {
    m |= 1ULL << 52;
    e = biased - 1075;
  }
  // value = m * 2^e with m odd.
  const int zeros = __builtin_ctzll(m);
  m >>= zeros;
  e += zeros;
  const int mBits = 64 - __builtin_clzll(m);
  const int log2 = e + mBits - 1;
  // floor(log2 * log10(2)): the decimal exponent or one below it.
  int e10 = static_cast<int>((static_cast<long long>(log2) * 78913) >> 18);

  const std::uint64_t low = kNumberPow10[precision - 1];
  const std::uint64_t high = kNumberPow10[precision];
  for (int attempt = 0; attempt < 2; ++attempt, ++e10) {
    const int k = precision - 1 - e10;  // scale: value * 10^k has `precision` digits
    std::uint64_t q;
    bool up;
    if (k >= 0) {
      if (e >= 0) {
        // An integer below 10^18: no rounding.
        if (e + mBits > 63 || k > 19) return false;
        const NumberU128 n = static_cast<NumberU128>(m << e) * kNumberPow10[k];
        if (n >= high) continue;
        q = static_cast<std::uint64_t>(n);
        up = false;
      } else {
        const int f = -e;
        if (k > 38 || mBits + kNumberPow10Wide.bits[k] > 128 || f > 127) return false;
        // One 64-bit multiply when the power of ten fits in 64 bits.
        const NumberU128 n = k <= 19 ? static_cast<NumberU128>(m) * kNumberPow10[k]
                                     : static_cast<NumberU128>(m) * kNumberPow10Wide.value[k];
        const NumberU128 whole = n >> f;
        if (whole >= high) continue;
        const NumberU128 rest = n & ((static_cast<NumberU128>(1) << f) - 1);
        const NumberU128 half = static_cast<NumberU128>(1) << (f - 1);
        q = static_cast<std::uint64_t>(whole);
        up = rest > half || (rest == half && (q & 1));
      }
    } else {
      // value >= 10^precision: drop j whole digits, the fraction breaks ties.
      const int j = -k;
      std::uint64_t whole;
      bool fraction;
      if (e >= 0) {
        if (e + mBits > 64) return false;
        whole = m << e;
        fraction = false;
      } else {
        const int f = -e;
        if (f >= 64) return false;
        whole = m >> f;
        fraction = (m & ((1ULL << f) - 1)) != 0;
      }
      if (j > 19) return false;
      const std::uint64_t divisor = kNumberPow10[j];
      q = whole / divisor;
      if (q >= high) continue;
      const std::uint64_t r = whole % divisor;
      const std::uint64_t half = divisor / 2;
      up = r > half || (r == half && (fraction || (q & 1)));
    }
    if (q < low) return false;  // cannot happen: the estimate is never too high
    q += up;
    if (q == high) {
      q = low;
      ++e10;
    }
    digits = q;
    exponent = e10;
    return true;
  }
  return false;
}

// The text of `value` (finite, not zero) in the general layout with the point
// always present, or 0 when the exact digits are out of reach.
std::size_t FastGeneralReal(char* out, double value, int precision) {
  std::uint64_t digits;
  int e10;
  const bool negative = std::signbit(value);
  if (!RoundedDecimal(std::fabs(value), precision, digits, e10)) return 0;
  int count = precision;
  if (count > 4 && digits % 10000 == 0) {
    while (count > 4 && digits % 10000 == 0) {
      digits /= 10000;
      count -= 4;
    }
  }
  while (count > 1 && digits % 10 == 0) {
    digits /= 10;
    --count;
  }
  // The digits, then zeros: every copy below has a fixed size and what it
  // puts past the text is left unused in `out` (kRealBufferSize bytes).
  char d[40];
  std::memset(d, '0', sizeof d);
  PutNumberDigits(d + count, digits, count);

  char* p = out;
  if (negative) *p++ = '-';
  if (e10 < -4 || e10 >= precision) {
    *p++ = d[0];
    *p++ = '.';
    std::memcpy(p, d + 1, 16);
    p += count - 1;
    *p++ = 'e';
    unsigned x;
    if (e10 < 0) {
      *p++ = '-';
      x = static_cast<unsigned>(-e10);
    } else {
      *p++ = '+';
      x = static_cast<unsigned>(e10);
    }
    const int width = x >= 100 ? 3 : 2;
    PutNumberDigits(p + width, x, width);
    p += width;
  } else if (e10 >= 0) {
    // Whole digits (zeros after the last significant one), the point, the
    // rest.
    const int whole = e10 + 1;
    std::memcpy(p, d, 20);
    p += whole;
    *p++ = '.';
    if (count > whole) {
      std::memcpy(p, d + whole, 16);
      p += count - whole;
    }
  } else {
    *p++ = '0';
    *p++ = '.';
    std::memset(p, '0', 4);
    p += -e10 - 1;
    std::memcpy(p, d, 20);
    p += count;
  }
  return static_cast<std::size_t>(p - out);
}

template <class Real>
std::size_t GeneralReal(char* out, Real value, int precision, int maxPrecision) {
  if (precision <= 0) precision = 6;
  if (precision > maxPrecision) precision = maxPrecision;
  if (value == 0) {
    out[0] = '0';
    out[1] = '.';
    return 2;
  }
  if (std::isfinite(value)) {
    if (std::size_t n = FastGeneralReal(out, static_cast<double>(value), precision)) return n;
  }
  return utl_AddRealMarker(out, General(out, value, precision, maxPrecision));
}

}  // namespace

std::size_t utl_FormatGeneralReal(char* out, double value, int precision) {
  return GeneralReal(out, value, precision, 17);
}

std::size_t utl_FormatGeneralReal(char* out, float value, int precision) {
  return GeneralReal(out, value, precision, 9);
}
