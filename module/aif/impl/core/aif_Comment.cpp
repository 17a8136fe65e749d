#include "aif/impl/core/aif_Comment.h"

#include <string_view>

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
    WriteLimitedLines(stream, "** ", std::string_view(text).substr(p, length));
    p += length;
    if (!cut) {
      ++p;
      if (lineEnd != std::string::npos && lineEnd == n - 1) stream.Write("** ", 3).LineBreak();
    }
  }
}

void aif_Comment::WriteLimitedLines(utl_Stream& stream, std::string_view prefix,
                                    std::string_view text) {
  // A prefix as long as a line leaves room for one character a line.
  const std::size_t room =
      prefix.size() < utl_Stream::kMaxLineLength ? utl_Stream::kMaxLineLength - prefix.size() : 1;
  do {
    std::size_t length = text.size();
    if (length > room) {
      const std::size_t blank = text.rfind(' ', room - 1);
      length = blank != std::string_view::npos && blank > 0 ? blank + 1 : room;
    }
    stream.Write(prefix.data(), prefix.size());
    if (length > 0) stream.Write(text.data(), length);
    stream.LineBreak();
    text.remove_prefix(length);
  } while (!text.empty());
}
