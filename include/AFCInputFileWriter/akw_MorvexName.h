// A name as it is written into the input file.
//
// Printable(): a plain solver name (ASCII letters, digits, "_", "-", ".") is
// kept as it is; any other name is enclosed in double quotes. A name that
// already holds double quotes is split at the "." outside quotes, each part
// that holds quotes is kept, each other part is kept or quoted by the rule
// above, and the parts are joined again with ".".
// PrintableFileName(): a file name is quoted when it holds a blank or a comma
// (and is not quoted already); otherwise kept.
// Both throw nex_TextException naming the name when it holds a line break, a
// carriage return or another control character: such a name cannot be
// written without breaking the line.
#pragma once

#include "BasShared/cow_String.h"

class utl_Stream;

class akw_MorvexName {
 public:
  // `isFileName`: the stream operator writes the file-name form.
  akw_MorvexName(cow_String name, bool isFileName)
      : name_(std::move(name)), isFileName_(isFileName) {}

  const cow_String& Name() const { return name_; }
  cow_String Printable() const;
  cow_String PrintableFileName() const;

 private:
  friend utl_Stream& operator<<(utl_Stream& stream, const akw_MorvexName& name);

  cow_String name_;
  bool isFileName_;
};

// Writes the name's printable form (its file-name form for a file name).
utl_Stream& operator<<(utl_Stream& stream, const akw_MorvexName& name);
