// Kernel enumeration values as the kernel writes them. Each enumeration has
// one table of (value, text) pairs, declared once by specialising
// omu_EnumTexts for the enumeration type beside the enumeration itself:
//
//   template <> struct omu_EnumTexts<kseC_X::KindEnm> {
//     static constexpr omu_EnumText kTable[] = {{0, ""}, {1, "ONE"}};
//   };
//
// omu_PrimEnum<E> wraps one value; GetString returns its text from that table.
#pragma once

#include <cstddef>
#include <iterator>

#include "BasShared/cow_String.h"

struct omu_EnumText {
  int value;
  const char* text;
};

// The table of an enumeration; only specialisations are defined.
template <class E>
struct omu_EnumTexts;

class omu_PrimEnumBase {
 public:
  int IntValue() const { return value_; }
  // The text of the value; "" when the table does not hold the value.
  cow_String GetString() const {
    for (std::size_t i = 0; i < count_; ++i)
      if (table_[i].value == value_) return cow_String(table_[i].text);
    return cow_String();
  }

 protected:
  omu_PrimEnumBase(const omu_EnumText* table, std::size_t count, int value)
      : table_(table), count_(count), value_(value) {}

 private:
  const omu_EnumText* table_;
  std::size_t count_;
  int value_;
};

// `Variant` tells apart holders of one enumeration that the kernel keeps for
// different purposes; it does not change the texts.
template <class E, int Variant = 0>
class omu_PrimEnum : public omu_PrimEnumBase {
 public:
  explicit omu_PrimEnum(E value)
      : omu_PrimEnumBase(omu_EnumTexts<E>::kTable, std::size(omu_EnumTexts<E>::kTable),
                         static_cast<int>(value)) {}
  E Value() const { return static_cast<E>(IntValue()); }
};
