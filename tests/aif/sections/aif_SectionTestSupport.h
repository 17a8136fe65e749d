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

}  // namespace aif_section_test
