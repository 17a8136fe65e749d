#include "QivBasicUtils/utl_Stream.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "QivBasicUtils/utl_Number.h"

namespace {

constexpr char kBlanks[] = "                                ";  // 32 blanks

}  // namespace

utl_Stream::utl_Stream(aio_ostream& sink, int breakColumn, int doublePrecision, int floatPrecision,
                       std::size_t bufferSize)
    : sink_(sink),
      storage_(new char[std::max<std::size_t>(bufferSize, 1)]),
      buf_(storage_.get()),
      cur_(buf_),
      end_(buf_ + std::max<std::size_t>(bufferSize, 1)),
      breakColumn_(breakColumn),
      doublePrecision_(doublePrecision),
      floatPrecision_(floatPrecision) {}

utl_Stream::~utl_Stream() {
  Send();
}

utl_Stream& utl_Stream::WriteSlow(const char* data, std::size_t size) {
  while (size > 0) {
    if (cur_ == end_) Send();
    std::size_t n = std::min(size, static_cast<std::size_t>(end_ - cur_));
    std::memcpy(cur_, data, n);
    cur_ += n;
    data += n;
    size -= n;
  }
  return *this;
}

void utl_Stream::Send() {
  std::size_t size = static_cast<std::size_t>(cur_ - buf_);
  if (size == 0) return;
  const void* nl = memrchr(buf_, '\n', size);
  if (nl) {
    sentColumn_ = static_cast<std::size_t>(cur_ - (static_cast<const char*>(nl) + 1));
  } else {
    sentColumn_ += size;
  }
  sentTail_[0] = size >= 2 ? cur_[-2] : sentTail_[1];
  sentTail_[1] = cur_[-1];
  if (!failed_ && !sink_.write(buf_, size)) failed_ = true;
  sent_ += size;
  cur_ = buf_;
}

utl_Stream& utl_Stream::Flush() {
  Send();
  return *this;
}

std::size_t utl_Stream::Column() const {
  std::size_t size = static_cast<std::size_t>(cur_ - buf_);
  if (const void* nl = memrchr(buf_, '\n', size))
    return static_cast<std::size_t>(cur_ - (static_cast<const char*>(nl) + 1));
  return sentColumn_ + size;
}

utl_Stream& utl_Stream::OptionalLineBreak() {
  return OptionalLineBreak(0);
}

utl_Stream& utl_Stream::OptionalLineBreak(std::size_t nextLength) {
  std::size_t size = static_cast<std::size_t>(cur_ - buf_);
  char last = size >= 1 ? cur_[-1] : sentTail_[1];
  char before = size >= 2 ? cur_[-2] : (size == 1 ? sentTail_[1] : sentTail_[0]);
  bool afterComma = last == ',' || (last == ' ' && before == ',');
  if (!afterComma) return *this;
  // Room is kept for the ", " that may follow the option: a line the solver
  // cuts at kMaxLineLength would otherwise lose the comma that continues it.
  const std::size_t column = Column();
  if (column > static_cast<std::size_t>(breakColumn_) ||
      (nextLength > 0 && column + nextLength + 2 > kMaxLineLength))
    LineBreak();
  return *this;
}

utl_Stream& utl_Stream::PutPadded(const char* text, std::size_t size, int width) {
  std::size_t pad = width > 0 && static_cast<std::size_t>(width) > size ? width - size : 0;
  if (pad + size <= static_cast<std::size_t>(end_ - cur_)) {
    std::memset(cur_, ' ', pad);
    std::memcpy(cur_ + pad, text, size);
    cur_ += pad + size;
    return *this;
  }
  for (; pad > 0; pad -= std::min(pad, sizeof kBlanks - 1))
    Write(kBlanks, std::min(pad, sizeof kBlanks - 1));
  return Write(text, size);
}

utl_Stream& utl_Stream::PutReal(const char (&text)[kRealBufferSize + 1], std::size_t size,
                                int width) {
  // Fixed-size copies on the fast path: 32 blanks and 32 bytes of the text's
  // buffer are copied and only the field's bytes are kept (what lies past
  // them is overwritten by what follows).
  if (width <= 32 && size <= 32 && end_ - cur_ >= 64) {
    const std::size_t pad = width > 0 && static_cast<std::size_t>(width) > size ? width - size : 0;
    std::memset(cur_, ' ', 32);
    std::memcpy(cur_ + pad, text, 32);
    cur_ += pad + size;
    return *this;
  }
  return PutPadded(text, size, width);
}

utl_Stream& utl_Stream::PrintSlow(int value, int width) {
  char text[16];
  const std::size_t n = PutInteger(text, value);
  return PutPadded(text, n, width);
}

utl_Stream& utl_Stream::Print(unsigned int value, int width) {
  if (width <= 16 && end_ - cur_ >= 32) {
    const std::size_t n = IntegerDigits(value);
    std::memset(cur_, ' ', 16);
    if (width > 0 && static_cast<std::size_t>(width) > n)
      cur_ += static_cast<std::size_t>(width) - n;
    PutDigits(cur_ + n, value);
    cur_ += n;
    return *this;
  }
  char text[16];
  const std::size_t n = IntegerDigits(value);
  PutDigits(text + n, value);
  return PutPadded(text, n, width);
}

utl_Stream& utl_Stream::Print(double value, int width, int precision) {
  char text[kRealBufferSize + 1];
  if (std::fabs(value) < smallestReal_) value = 0.0;
  std::size_t n = utl_FormatGeneralReal(text, value, precision > 0 ? precision : doublePrecision_);
  return PutReal(text, n, width);
}

utl_Stream& utl_Stream::Print(float value, int width, int precision) {
  char text[kRealBufferSize + 1];
  if (std::fabs(value) < smallestReal_) value = 0.0f;
  std::size_t n = utl_FormatGeneralReal(text, value, precision > 0 ? precision : floatPrecision_);
  return PutReal(text, n, width);
}

utl_Stream& utl_Stream::PrintReference(double value, int width, int precision) {
  char text[kRealBufferSize + 1];
  if (std::fabs(value) < smallestReal_) value = 0.0;
  std::size_t n = utl_FormatGeneral(text, value, precision > 0 ? precision : doublePrecision_);
  return PutPadded(text, utl_AddRealMarker(text, n), width);
}

utl_Stream& utl_Stream::PrintReference(float value, int width, int precision) {
  char text[kRealBufferSize + 1];
  if (std::fabs(value) < smallestReal_) value = 0.0f;
  std::size_t n = utl_FormatGeneral(text, value, precision > 0 ? precision : floatPrecision_);
  return PutPadded(text, utl_AddRealMarker(text, n), width);
}

utl_Stream& utl_Stream::operator<<(double value) {
  char text[kRealBufferSize + 1];
  if (std::fabs(value) < smallestReal_) value = 0.0;
  std::size_t n = utl_FormatShortest(text, value);
  return Write(text, utl_AddRealMarker(text, n));
}

utl_Stream& utl_Stream::operator<<(float value) {
  char text[kRealBufferSize + 1];
  if (std::fabs(value) < smallestReal_) value = 0.0f;
  std::size_t n = utl_FormatShortest(text, value);
  return Write(text, utl_AddRealMarker(text, n));
}

void utl_Stream::FixNumericString(char* buffer, int width) {
  std::size_t size = std::strlen(buffer);
  std::size_t start = 0;
  while (start < size && buffer[start] == ' ')
    ++start;
  char* text = buffer + start;
  std::size_t n = size - start;
  // Only a number is touched: an optional sign, then a digit or a point.
  std::size_t first = (n > 0 && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (first >= n || !((text[first] >= '0' && text[first] <= '9') || text[first] == '.')) return;

  char core[kRealBufferSize * 2];
  if (n + 2 > sizeof core) return;
  std::memcpy(core, text, n);
  // Three exponent digits whose first is 0: drop that zero.
  for (std::size_t i = first; i < n; ++i) {
    if (core[i] != 'e' && core[i] != 'E') continue;
    std::size_t digits = i + 1 < n && (core[i + 1] == '+' || core[i + 1] == '-') ? i + 2 : i + 1;
    if (n - digits == 3 && core[digits] == '0') {
      std::memmove(core + digits, core + digits + 1, 2);
      --n;
    }
    break;
  }
  n = utl_AddRealMarker(core, n);

  std::size_t field =
      std::max(static_cast<std::size_t>(width > 0 ? width : 0), n + (start > 0 ? 1 : 0));
  std::memset(buffer, ' ', field - n);
  std::memcpy(buffer + field - n, core, n);
  buffer[field] = '\0';
}

utl_Stream& endl(utl_Stream& stream) {
  return stream.LineBreak();
}

unsigned long long utl_Stream::PushSmallestReal(double threshold) {
  const unsigned long long key = nextSmallRealKey_++;
  smallRealGuards_.push_back({key, threshold});
  UpdateSmallestReal();
  return key;
}

void utl_Stream::RemoveSmallestReal(unsigned long long key) {
  // Keys grow with every guard, so the entries stay sorted by key.
  auto entry =
      std::lower_bound(smallRealGuards_.begin(), smallRealGuards_.end(), key,
                       [](const SmallRealEntry& e, unsigned long long k) { return e.key < k; });
  if (entry != smallRealGuards_.end() && entry->key == key) smallRealGuards_.erase(entry);
  UpdateSmallestReal();
}

utl_StreamSmallReal::utl_StreamSmallReal(utl_Stream& stream, double threshold)
    : stream_(&stream), key_(stream.PushSmallestReal(threshold)) {}

void utl_StreamSmallReal::UnsetSmallestReal() {
  if (!stream_) return;
  stream_->RemoveSmallestReal(key_);
  stream_ = nullptr;
}
