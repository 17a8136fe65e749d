#include "aif/impl/core/aif_RawKeyword.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_RawKeyword::Write(utl_Stream& stream) const {
  if (text_.IsEmpty()) return;
  stream << text_;
  if (text_.Str().back() != '\n') stream.LineBreak();
}
