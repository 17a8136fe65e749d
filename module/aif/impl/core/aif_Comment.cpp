#include "aif/impl/core/aif_Comment.h"

#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr std::size_t kWrapAt = 78;       // pieces this long are wrapped
constexpr std::size_t kHardCut = 77;      // length of a piece cut without a blank
constexpr std::size_t kBlankWindow = 15;  // a blank among the last 15 of 78 may end the piece

}  // namespace

void aif_Comment::Write(utl_Stream& stream) const {
  const std::string& text = text_.Str();
  const std::size_t n = text.size();
  std::size_t p = 0;
  while (p < n) {
    std::size_t lineEnd = text.find('\n', p);
    std::size_t end = lineEnd == std::string::npos ? n : lineEnd;
    std::size_t length = end - p;
    bool cut = false;
    if (wrap_ && length >= kWrapAt) {
      std::size_t blank = text.rfind(' ', p + kHardCut);
      if (blank != std::string::npos && blank >= p + kWrapAt - kBlankWindow && blank != n)
        length = blank - p + 1;
      else
        length = kHardCut;
      cut = true;
    }
    stream.Write("** ", 3).Write(text.data() + p, length).LineBreak();
    p += length;
    if (!cut) {
      ++p;
      if (lineEnd != std::string::npos && lineEnd == n - 1) stream.Write("** ", 3).LineBreak();
    }
  }
}
