// A comment of the optimization parameter file: its text written as "! "
// lines, one per line of the text. Every builder opens each object's blocks
// with a banner comment (Banner).
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_KestComment : public akw_Keyword {
 public:
  explicit aif_KestComment(cow_String text) : text_(std::move(text)) {}
  aif_KestComment(const aif_KestComment&) = default;

  // The banner of an object: a rule of 64 dashes, a blank comment line,
  // `title` followed by `name`, and a blank comment line. Titles end in ": "
  // ("Task: ", "Design Response: ", ...).
  static aif_KestComment Banner(const char* title, const cow_String& name);

  akw_Keyword* Clone() const override { return new aif_KestComment(*this); }
  // Each piece of the text between line breaks becomes "! " + piece (an
  // empty piece the line "! "); a text ending in a line break ends with a
  // line "! ".
  void Write(utl_Stream& stream) const override;

  const cow_String& Text() const { return text_; }

 private:
  cow_String text_;
};
