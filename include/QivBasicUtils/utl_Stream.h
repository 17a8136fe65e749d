// The text stream every line of an input file goes through. It owns a buffer
// and hands full buffers to one sink (aio_ostream); text is appended with a
// single comparison on the fast path. Numbers are formatted with std::to_chars
// or, for integers and for reals in fields, with exact integer arithmetic that
// gives the same bytes: the bytes do not depend on the platform, the locale or
// on where the buffer happens to flush.
//
// Number forms:
//  - a real is always readable as a real: a mantissa without a decimal point
//    gets one ("1.", "1.e+10", "5.e-324"); zero, a negative zero and any value
//    whose magnitude is below the smallest-real threshold in force print "0.";
//  - `<< double` / `<< float` give the shortest text that reads back to the
//    same value; Print(real, width, precision) gives at most `precision`
//    significant digits in the general (%g) layout, right-aligned in `width`;
//  - NaN and infinities are not solver input: writing one throws
//    nex_TextException and writes nothing.
// Failures of the sink are sticky: the first one is remembered, later output
// is discarded, Good() turns false and the sink's close() reports it.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

#include "BasShared/cow_String.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/utl_Number.h"

class utl_Stream {
 public:
  static constexpr std::size_t kDefaultBufferSize = 64 * 1024;
  // The longest line the solver reads, in characters (the line end not
  // counted).
  static constexpr std::size_t kMaxLineLength = 256;

  // `breakColumn`: a line longer than this takes an optional line break.
  // `doublePrecision`, `floatPrecision`: the precision Print uses for a double
  // or a float when it is given a precision of 0 or less.
  // `bufferSize`: bytes held before they go to the sink (at least 1).
  utl_Stream(aio_ostream& sink, int breakColumn, int doublePrecision, int floatPrecision,
             std::size_t bufferSize = kDefaultBufferSize);
  utl_Stream(const utl_Stream&) = delete;
  utl_Stream& operator=(const utl_Stream&) = delete;
  // Flushes what is still buffered.
  ~utl_Stream();

  // A null text writes nothing.
  utl_Stream& operator<<(const char* text) { return text ? Write(text, std::strlen(text)) : *this; }
  utl_Stream& operator<<(const cow_String& text) { return Write(text.CStr(), text.Length()); }
  utl_Stream& operator<<(char c) { return Write(&c, 1); }
  utl_Stream& operator<<(int value) { return Print(value, 0); }
  utl_Stream& operator<<(unsigned int value) { return Print(value, 0); }
  utl_Stream& operator<<(double value);
  utl_Stream& operator<<(float value);
  utl_Stream& operator<<(utl_Stream& (*manipulator)(utl_Stream&)) { return manipulator(*this); }

  utl_Stream& Write(const char* data, std::size_t size) {
    if (size <= static_cast<std::size_t>(end_ - cur_)) {
      std::memcpy(cur_, data, size);
      cur_ += size;
      return *this;
    }
    return WriteSlow(data, size);
  }

  // Ends the current line.
  utl_Stream& LineBreak() { return Write("\n", 1); }
  // Ends the current line when it is longer than the break column and the
  // text written last is a comma (", " or ","), so that a keyword line goes on
  // on the next line; writes nothing otherwise.
  utl_Stream& OptionalLineBreak();
  // The same, and after a comma also ends the line when `nextLength` more
  // characters and the ", " that may follow them would make it longer than
  // kMaxLineLength: a caller that knows
  // the length of the option it writes next keeps every line within what the
  // solver reads (an option longer than a line by itself still overflows).
  utl_Stream& OptionalLineBreak(std::size_t nextLength);

  utl_Stream& Print(double value, int width, int precision);
  utl_Stream& Print(float value, int width, int precision);
  // An integer right-aligned in `width` (no padding for 0 or less).
  utl_Stream& Print(int value, int width) {
    // Fast path for the labels of node and element lines: the digits go
    // straight into the buffer behind a fixed run of blanks.
    if (width <= 16 && end_ - cur_ >= 32) {
      std::memset(cur_, ' ', 16);
      const unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : value;
      const std::size_t n = IntegerDigits(magnitude) + (value < 0);
      if (width > 0 && static_cast<std::size_t>(width) > n)
        cur_ += static_cast<std::size_t>(width) - n;
      if (value < 0) *cur_ = '-';
      PutDigits(cur_ + n, magnitude);
      cur_ += n;
      return *this;
    }
    return PrintSlow(value, width);
  }
  utl_Stream& Print(unsigned int value, int width);
  utl_Stream& Print(const char* text) { return *this << text; }
  // Print through std::to_chars alone: the same bytes as Print, more slowly
  // (Print takes exact integer shortcuts).
  utl_Stream& PrintReference(double value, int width, int precision);
  utl_Stream& PrintReference(float value, int width, int precision);

  // Hands everything buffered to the sink.
  utl_Stream& Flush();
  // False once a write to the sink has failed.
  bool Good() const { return !failed_; }
  // Bytes given to the stream so far, whether or not they reached the sink.
  unsigned long long BytesWritten() const { return sent_ + static_cast<std::size_t>(cur_ - buf_); }

  // Values whose magnitude is below the threshold in force print as zero.
  // The threshold in force is that of the most recently made
  // utl_StreamSmallReal guard still alive, or, with no guard alive, the base
  // threshold set here (0, the default, turns it off).
  void SetSmallestReal(double threshold) {
    baseSmallestReal_ = threshold;
    UpdateSmallestReal();
  }
  double SmallestReal() const { return smallestReal_; }

  // Normalises a number already formatted into `buffer` (a NUL-terminated
  // text, possibly right-aligned with blanks in `width` characters) so that the
  // solver reads it as a real: a missing decimal point is added to the mantissa
  // and a three-digit exponent with a leading zero loses that zero ("1e+005"
  // becomes "1.e+05"). The result is right-aligned again in `width` characters,
  // keeping one leading blank when the text had one; it may grow by one
  // character, so `buffer` must hold max(width, strlen(buffer)) + 2 bytes.
  // Texts that are not numbers (blanks, empty, "nan") are left unchanged.
  static void FixNumericString(char* buffer, int width);

 private:
  utl_Stream& WriteSlow(const char* data, std::size_t size);
  utl_Stream& PrintSlow(int value, int width);
  // The number of decimal digits of `value` (1 for 0).
  static std::size_t IntegerDigits(unsigned value) {
    std::size_t n = 1;
    for (; value >= 10000; value /= 10000)
      n += 4;
    return n + (value >= 10) + (value >= 100) + (value >= 1000);
  }
  // Writes the digits of `value` ending just before `end`.
  static void PutDigits(char* end, unsigned value) {
    static constexpr char kPairs[] =
        "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243"
        "4445464748495051525354555657585960616263646566676869707172737475767778798081828384858687"
        "888990919293949596979899";
    while (value >= 100) {
      const unsigned pair = value % 100;
      value /= 100;
      end -= 2;
      std::memcpy(end, kPairs + 2 * pair, 2);
    }
    if (value >= 10) {
      std::memcpy(end - 2, kPairs + 2 * value, 2);
    } else {
      end[-1] = static_cast<char>('0' + value);
    }
  }
  // Writes `value` (sign and digits) at `out` and returns its length.
  static std::size_t PutInteger(char* out, int value) {
    const unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : value;
    const std::size_t n = IntegerDigits(magnitude) + (value < 0);
    if (value < 0) out[0] = '-';
    PutDigits(out + n, magnitude);
    return n;
  }
  utl_Stream& PutPadded(const char* text, std::size_t size, int width);
  // A real's text (the first `size` bytes of `text`) right-aligned in `width`.
  utl_Stream& PutReal(const char (&text)[kRealBufferSize + 1], std::size_t size, int width);
  void Send();
  std::size_t Column() const;

  friend class utl_StreamSmallReal;
  // The guards' thresholds, oldest first, each under the guard's own key.
  struct SmallRealEntry {
    unsigned long long key;
    double threshold;
  };
  unsigned long long PushSmallestReal(double threshold);
  void RemoveSmallestReal(unsigned long long key);
  void UpdateSmallestReal() {
    smallestReal_ =
        smallRealGuards_.empty() ? baseSmallestReal_ : smallRealGuards_.back().threshold;
  }

  aio_ostream& sink_;
  std::unique_ptr<char[]> storage_;
  char* buf_;
  char* cur_;
  char* end_;
  int breakColumn_;
  int doublePrecision_;
  int floatPrecision_;
  double smallestReal_ = 0.0;  // the threshold in force, kept for the write path
  double baseSmallestReal_ = 0.0;
  std::vector<SmallRealEntry> smallRealGuards_;
  unsigned long long nextSmallRealKey_ = 0;
  bool failed_ = false;
  unsigned long long sent_ = 0;
  // What has left the buffer already: the length of the line it ended in and
  // its last two bytes, so that line breaks do not depend on flushes.
  std::size_t sentColumn_ = 0;
  char sentTail_[2] = {'\n', '\n'};
};

// Ends the current line (the stream's endl manipulator).
utl_Stream& endl(utl_Stream& stream);

// Puts a smallest-real threshold in force on a stream for the life of the
// object. Guards form a stack with removal: the threshold in force is that of
// the most recently made guard still alive, whatever order guards go in, and
// the stream's base threshold once none is left. The stream must outlive its
// guards.
class utl_StreamSmallReal {
 public:
  utl_StreamSmallReal(utl_Stream& stream, double threshold);
  utl_StreamSmallReal(const utl_StreamSmallReal&) = delete;
  utl_StreamSmallReal& operator=(const utl_StreamSmallReal&) = delete;
  ~utl_StreamSmallReal() { UnsetSmallestReal(); }
  // Removes this guard's threshold now (and only this guard's); a second
  // call, and the destructor afterwards, do nothing.
  void UnsetSmallestReal();

 private:
  utl_Stream* stream_;
  unsigned long long key_;
};
