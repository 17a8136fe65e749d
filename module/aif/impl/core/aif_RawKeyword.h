// A keyword written verbatim: one or more lines of text the caller made
// ("*End Part", "*Boundary, op=NEW"). The empty raw keyword writes nothing.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_RawKeyword : public akw_Keyword {
 public:
  explicit aif_RawKeyword(cow_String text) : text_(std::move(text)) {}
  aif_RawKeyword(const aif_RawKeyword&) = default;

  akw_Keyword* Clone() const override { return new aif_RawKeyword(*this); }
  // The text unchanged, then a line end unless the text ends with one.
  void Write(utl_Stream& stream) const override;

  const cow_String& Text() const { return text_; }

 private:
  cow_String text_;
};
