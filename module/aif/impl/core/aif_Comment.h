// A comment keyword: its text written as "** " lines, one per line of the
// text, optionally wrapped at 77 characters. Builders file it for banners and
// for notes about the objects they write.
#pragma once

#include <string_view>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_Comment : public akw_Keyword {
 public:
  explicit aif_Comment(cow_String text, bool wrap = false) : text_(std::move(text)), wrap_(wrap) {}
  aif_Comment(const aif_Comment&) = default;

  akw_Keyword* Clone() const override { return new aif_Comment(*this); }
  // Each piece of the text between line breaks becomes a line "** " + piece.
  // With wrapping, a piece of 78 or more characters is cut after its last
  // blank among characters 64 to 78, else hard after 77 characters, and the
  // rest goes on the next comment line. Without wrapping, a piece too long
  // for one line of the solver is split as WriteLimitedLines does. A text
  // ending in a line break ends with a line "** ". An empty text writes
  // nothing.
  void Write(utl_Stream& stream) const override;

  // Writes `prefix` + `text` as one line, or, when that is longer than
  // utl_Stream::kMaxLineLength (the solver reads no more of a line), as
  // several lines each starting with `prefix`: every line but the last ends
  // after the last blank that keeps it within the limit (the blank stays at
  // its end), or is cut hard at the limit when the piece has no blank past
  // its first character. No character of `text` is lost. `text` holds no
  // line break. Comment lines use the prefix "** ", the heading's data lines
  // " ".
  static void WriteLimitedLines(utl_Stream& stream, std::string_view prefix, std::string_view text);

  const cow_String& Text() const { return text_; }
  // Off unless set; the material writer wraps descriptions.
  void SetWrap(bool wrap) { wrap_ = wrap; }
  bool Wrap() const { return wrap_; }

 private:
  cow_String text_;
  bool wrap_;
};
