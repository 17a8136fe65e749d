#include "QivBasicUtils/utl_Number.h"

#include <charconv>
#include <cmath>
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
