// A comment keyword: its text written as "** " lines, one per line of the
// text, optionally wrapped at 77 characters. Builders file it for banners and
// for notes about the objects they write.
#pragma once

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
  // rest goes on the next comment line. A text ending in a line break ends
  // with a line "** ". An empty text writes nothing.
  void Write(utl_Stream& stream) const override;

  const cow_String& Text() const { return text_; }
  // Off unless set; the material writer wraps descriptions.
  void SetWrap(bool wrap) { wrap_ = wrap; }
  bool Wrap() const { return wrap_; }

 private:
  cow_String text_;
  bool wrap_;
};
