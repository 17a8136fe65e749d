// Base of the keywords that write one kernel material option or sub-option.
// The keyword holds a copy of the option taken at construction (its table is
// shared copy-on-write, so no data is copied); the parent writer builds the
// keyword on its stack, writes it and drops it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"

class utl_Stream;

template <class Derived, class Option>
class aif_MaterialOptionKeyword : public akw_Keyword {
 public:
  explicit aif_MaterialOptionKeyword(const Option& option) : option_(option) {}

  akw_Keyword* Clone() const override { return new Derived(static_cast<const Derived&>(*this)); }

 protected:
  Option option_;
};

// Declares `Name`, the keyword of the kernel option `Option`, constructed from
// the option alone; its Write is defined in Name's source file.
#define AIF_MATERIAL_OPTION_KEYWORD(Name, Option)                              \
  class Name : public aif_MaterialOptionKeyword<Name, Option> {                \
   public:                                                                     \
    explicit Name(const Option& option) : aif_MaterialOptionKeyword(option) {} \
    void Write(utl_Stream& stream) const override;                             \
  };

// Writes the sub-option `sub` with its keyword class when the handle is set;
// nothing for a null handle.
template <class Keyword, class Sub, class... Extra>
void aif_WriteSubOption(utl_Stream& stream, const cow_COW<Sub>& sub, Extra... extra) {
  if (!sub.IsNull()) Keyword(*sub, extra...).Write(stream);
}
