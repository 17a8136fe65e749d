// The separator before an option of a keyword line: ", ", then a line break
// when the line has grown past the break column (utl_Stream), so that long
// keyword lines go on on the next line. With the option's length the line
// also ends when the option would take it past the longest line the solver
// reads.
#pragma once

#include <cstddef>

#include "QivBasicUtils/utl_Stream.h"

inline utl_Stream& aif_Option(utl_Stream& stream) {
  return (stream << ", ").OptionalLineBreak();
}

inline utl_Stream& aif_Option(utl_Stream& stream, std::size_t length) {
  return (stream << ", ").OptionalLineBreak(length);
}
