// Text value of the host's base library. A thin value type over std::string:
// copies are independent, comparisons are byte-wise (no locale).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class cow_String {
 public:
  static constexpr std::size_t npos = std::string::npos;

  cow_String() = default;
  cow_String(const char* text) : text_(text ? text : "") {}  // NOLINT: implicit by design
  cow_String(const char* text, std::size_t length) : text_(text, length) {}
  cow_String(std::string text) : text_(std::move(text)) {}  // NOLINT: implicit by design
  explicit cow_String(std::string_view text) : text_(text) {}

  std::size_t Length() const { return text_.size(); }
  bool IsEmpty() const { return text_.empty(); }
  const char* CStr() const { return text_.c_str(); }
  const std::string& Str() const { return text_; }
  std::string_view View() const { return text_; }

  // Bounds-checked; throws cow_OutOfRange past the end.
  char At(std::size_t index) const;
  char operator[](std::size_t index) const { return At(index); }

  // Position of the first occurrence at or after `from`, or npos.
  std::size_t Find(char c, std::size_t from = 0) const { return text_.find(c, from); }
  std::size_t Find(std::string_view s, std::size_t from = 0) const { return text_.find(s, from); }
  // Position of the last occurrence, or npos.
  std::size_t FindLast(char c) const { return text_.rfind(c); }
  // Up to `count` characters from `from`; throws cow_OutOfRange when `from` is past the end.
  cow_String Substr(std::size_t from, std::size_t count = npos) const;

  cow_String& operator+=(const cow_String& s) {
    text_ += s.text_;
    return *this;
  }
  cow_String& operator+=(const char* s) {
    text_ += s;
    return *this;
  }
  cow_String& operator+=(char c) {
    text_ += c;
    return *this;
  }

  friend cow_String operator+(cow_String a, const cow_String& b) { return a += b; }
  friend cow_String operator+(cow_String a, const char* b) { return a += b; }
  friend cow_String operator+(const char* a, const cow_String& b) { return cow_String(a) += b; }
  friend bool operator==(const cow_String& a, const cow_String& b) { return a.text_ == b.text_; }
  friend bool operator==(const cow_String& a, const char* b) { return a.text_ == b; }
  friend auto operator<=>(const cow_String& a, const cow_String& b) { return a.text_ <=> b.text_; }

 private:
  std::string text_;
};

template <>
struct std::hash<cow_String> {
  std::size_t operator()(const cow_String& s) const noexcept {
    return std::hash<std::string_view>()(s.View());
  }
};
