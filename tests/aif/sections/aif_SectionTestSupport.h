// Helpers of the section keyword tests: expected lines and the error a
// keyword's Write throws.
#pragma once

#include <initializer_list>
#include <string>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_Error.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "support/aif_TestSupport.h"

namespace aif_section_test {

// The lines, each ended by a line break.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

using aif_test::ThrownText;

// The text of `deck` from `from` up to `to` (excluded); "(no FROM)" when
// `from` is not there.
inline std::string Between(const std::string& deck, const std::string& from,
                           const std::string& to) {
  const std::size_t begin = deck.find(from);
  if (begin == std::string::npos) return "(no " + from + ")";
  return deck.substr(begin, deck.find(to, begin) - begin);
}

}  // namespace aif_section_test
