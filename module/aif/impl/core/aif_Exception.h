// The writer's own error. Builders and keywords throw it with a message; the
// host shows AsString: "Input File Writing error: <message>" and a line saying
// that the input file was not generated.
#pragma once

#include "BasShared/cow_String.h"
#include "QivBasicUtils/nex_Exception.h"

class aif_Exception : public nex_TextException {
 public:
  static constexpr unsigned kTypeId = 0x2A00001;
  static unsigned TypeId() { return kTypeId; }

  explicit aif_Exception(cow_String message);
  aif_Exception(const aif_Exception&) = default;
  ~aif_Exception() override = default;

  const cow_String& Message() const { return message_; }
  // The translated report with the message in place of "%s".
  cow_String AsString() const override;
  [[noreturn]] void Propagate() const override { throw *this; }
  nex_Exception* Copy() const override { return new aif_Exception(*this); }
  unsigned DynTypeId() const override { return kTypeId; }

 private:
  cow_String message_;
};
