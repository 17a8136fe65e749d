#include "BasShared/cow_String.h"

#include "BasShared/cow_Error.h"

char cow_String::At(std::size_t index) const {
  if (index >= text_.size())
    cow_ThrowOutOfRange("cow_String", static_cast<long long>(index),
                        static_cast<long long>(text_.size()));
  return text_[index];
}

cow_String cow_String::Substr(std::size_t from, std::size_t count) const {
  if (from > text_.size())
    cow_ThrowOutOfRange("cow_String", static_cast<long long>(from),
                        static_cast<long long>(text_.size()));
  return cow_String(text_.substr(from, count));
}
