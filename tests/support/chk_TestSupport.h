// What the check tests read of a check after its run: its error and warning
// texts, in order.
#pragma once

#include <string>
#include <vector>

#include "OdbAttrEO/kut_Check.h"

namespace chk_test {

struct Findings {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
};

inline std::vector<std::string> Texts(const cow_List<atr_String>& list) {
  std::vector<std::string> texts;
  for (const atr_String& text : list)
    texts.push_back(text.Str());
  return texts;
}

inline Findings FindingsOf(const kut_Check& check) {
  return {Texts(check.Errors()), Texts(check.Warnings())};
}

}  // namespace chk_test
