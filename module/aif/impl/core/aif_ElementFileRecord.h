// What the writer remembers of an element written with ", file=": the
// instance id it belongs to (the key), the element type, the first element
// label, and two values the readers of the record fill in.
#pragma once

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_String.h"

class aif_ElementFileRecord : public mem_AllocationOperators {
 public:
  explicit aif_ElementFileRecord(int key) : key_(key) {}

  int Key() const { return key_; }
  const cow_String& Name() const { return name_; }
  int FirstLabel() const { return firstLabel_; }
  int Value() const { return value_; }
  const cow_String& Text() const { return text_; }

  void SetName(const cow_String& name) { name_ = name; }
  void SetFirstLabel(int label) { firstLabel_ = label; }
  void SetValue(int value) { value_ = value; }
  void SetText(const cow_String& text) { text_ = text; }

 private:
  int key_;
  cow_String name_;
  int firstLabel_ = 0;
  int value_ = 0;
  cow_String text_;
};
