// Locale-free number formatting shared by the output stream and the writer's
// tables. Every function writes into `out` (at least kRealBufferSize bytes),
// returns the length and writes no terminating NUL.
#pragma once

#include <cstddef>

inline constexpr std::size_t kRealBufferSize = 64;

// printf's "%.*g" of `value` with `precision` significant digits (1 to 17; 0 or
// less means 6). A negative zero gives "0". Throws nex_TextException for NaN
// and infinities.
std::size_t utl_FormatGeneral(char* out, double value, int precision);
std::size_t utl_FormatGeneral(char* out, float value, int precision);
// The shortest text that reads back to `value` (a negative zero gives "0").
// Throws nex_TextException for NaN and infinities.
std::size_t utl_FormatShortest(char* out, double value);
std::size_t utl_FormatShortest(char* out, float value);
// Adds the decimal point to a mantissa that lacks one ("1" -> "1.",
// "1e+10" -> "1.e+10"); `text` needs room for one more byte. Returns the new
// length.
std::size_t utl_AddRealMarker(char* text, std::size_t size);

// utl_FormatGeneral followed by utl_AddRealMarker, byte for byte: "%.*g" of
// `value` with the decimal point always present ("0." for either zero).
// Values whose rounded digits can be found with 128-bit integer arithmetic
// (every float, and doubles from about 1e-20 to 1e+19 at 17 digits, wider at
// fewer) are formatted here; the others, and NaN and infinities (which throw
// nex_TextException), go through utl_FormatGeneral. A float has the same
// decimal expansion as the double it widens to, so a float's text is that of
// its widened value at the float's precision (at most 9).
std::size_t utl_FormatGeneralReal(char* out, double value, int precision);
std::size_t utl_FormatGeneralReal(char* out, float value, int precision);
