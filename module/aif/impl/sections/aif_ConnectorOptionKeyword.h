// Base of the keywords that write one connector behaviour option. The keyword
// holds a copy of the option taken at construction (its tables and lists are
// shared copy-on-write, so no data is copied) and writes only from it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

template <class Derived, class Option>
class aif_ConnectorOptionKeyword : public akw_Keyword {
 public:
  explicit aif_ConnectorOptionKeyword(const Option& option) : option_(option) {}

  akw_Keyword* Clone() const override { return new Derived(static_cast<const Derived&>(*this)); }

 protected:
  Option option_;
};
