// The writing rules every material option keyword shares.
//
// Keyword line: the keyword text, then each option as ", ", an optional line
// break and the option text, then the line end. An option is written whole or
// not at all: an option whose value text is empty (an enumeration value
// without a text) writes nothing, not even its separator.
//
// Data lines: a frame table is the option's table with its dependency count d
// and temperature flag T; when T is false and d > 0 an empty temperature
// column stands ahead of the d field-variable columns. A plain table is the
// table as it stands.
#pragma once

#include <initializer_list>

#include "BasShared/cow_String.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "aif/impl/core/aif_DataLineTable.h"

class kmaC_MaterialOption;
class kmaC_MaterialTable;
class utl_Stream;

// ", ", optional line break, `text` (a whole option such as "testdata").
void aif_WriteOption(utl_Stream& stream, const char* text);
// ", ", optional line break, `name` and `value`; nothing when `value` is empty.
void aif_WriteOption(utl_Stream& stream, const char* name, const cow_String& value);
// ", ", optional line break, `name` and the number (shortest real form).
void aif_WriteOption(utl_Stream& stream, const char* name, int value);
void aif_WriteOption(utl_Stream& stream, const char* name, double value);
// "dependencies=" d, when d > 0.
void aif_WriteDependencies(utl_Stream& stream, int dependencies);

// The text of a kernel enumeration value; empty when the value has none.
template <class E>
cow_String aif_EnumText(E value) {
  return omu_PrimEnum<E, 1>(value).GetString();
}

// The data-line table of `table` with d and T, the empty temperature column
// inserted when T is false and d > 0 (at columns - d); callers may insert
// further columns before writing it.
aif_DataLineTable aif_FrameTable(const kmaC_MaterialTable& table, int dependencies,
                                 bool temperature);
// The option's own table, d and T.
aif_DataLineTable aif_FrameTable(const kmaC_MaterialOption& option);
void aif_WriteFrameTable(utl_Stream& stream, const kmaC_MaterialTable& table, int dependencies,
                         bool temperature);
void aif_WriteFrameTable(utl_Stream& stream, const kmaC_MaterialOption& option);
// The table as it stands (d = 0, T false, nothing inserted).
void aif_WritePlainTable(utl_Stream& stream, const kmaC_MaterialTable& table);

// One data line holding an integer: right-aligned in 7 characters, then ",".
void aif_WriteIntegerLine(utl_Stream& stream, int value);

// The common shape of a keyword with a frame table: `keyword`,
// "dependencies=" d when d > 0, the line end, the frame table with further
// blank columns inserted at `blanks`, in order (each where a column stands).
void aif_WriteDependentKeyword(utl_Stream& stream, const char* keyword,
                               const kmaC_MaterialOption& option,
                               std::initializer_list<int> blanks = {});
