// The host's exception classes. nex_Exception derives from std::exception;
// what() is the user report. nex_Exception::Throw records the source location
// on a copy and throws that copy as its own dynamic type.
#pragma once

#include <exception>
#include <string>
#include <typeinfo>

#include "BasShared/cow_String.h"

class nex_Exception : public std::exception {
 public:
  ~nex_Exception() override = default;

  virtual cow_String DeveloperReport() const;
  virtual cow_String UserReport() const = 0;
  // The text the host shows; the user report unless a subclass says more.
  virtual cow_String AsString() const { return UserReport(); }
  // Throws a copy of this exception, by value, as its dynamic type.
  [[noreturn]] virtual void Propagate() const = 0;
  // A new copy of this exception, owned by the caller.
  virtual nex_Exception* Copy() const = 0;
  virtual unsigned DynTypeId() const = 0;

  const char* what() const noexcept override;

  const char* File() const { return file_; }
  int Line() const { return line_; }

  // Throws a copy of `e` that carries the source file and line.
  [[noreturn]] static void Throw(const nex_Exception& e, const char* file, int line);

 protected:
  nex_Exception() = default;
  nex_Exception(const nex_Exception&) = default;

 private:
  const char* file_ = "";
  int line_ = 0;
  mutable std::string what_;
};

class nex_TextException : public nex_Exception {
 public:
  static constexpr unsigned kTypeId = 0x0100002;
  static unsigned TypeId() { return kTypeId; }

  explicit nex_TextException(cow_String text) : text_(std::move(text)) {}

  const cow_String& Text() const { return text_; }
  cow_String UserReport() const override { return text_; }
  [[noreturn]] void Propagate() const override { throw *this; }
  nex_Exception* Copy() const override { return new nex_TextException(*this); }
  unsigned DynTypeId() const override { return kTypeId; }

 private:
  cow_String text_;
};

// A failed assertion of the host: the condition text as the source states it
// (for example "\"Invalid load type for *Dload\" == 0").
class nex_AssertException : public nex_Exception {
 public:
  static constexpr unsigned kTypeId = 0x0100004;
  static unsigned TypeId() { return kTypeId; }

  explicit nex_AssertException(cow_String condition) : condition_(std::move(condition)) {}

  const cow_String& Condition() const { return condition_; }
  cow_String UserReport() const override { return condition_; }
  [[noreturn]] void Propagate() const override { throw *this; }
  nex_Exception* Copy() const override { return new nex_AssertException(*this); }
  unsigned DynTypeId() const override { return kTypeId; }

 private:
  cow_String condition_;
};

class nex_OutOfMemoryException : public nex_Exception {
 public:
  static constexpr unsigned kTypeId = 0x0100003;
  static unsigned TypeId() { return kTypeId; }

  cow_String UserReport() const override { return "Out of memory."; }
  [[noreturn]] void Propagate() const override { throw *this; }
  nex_Exception* Copy() const override { return new nex_OutOfMemoryException(*this); }
  unsigned DynTypeId() const override { return kTypeId; }
};

// The text of a failed type test: the expected class, the source file and line.
cow_String nex_TypeTestText(const char* expectedClass, const char* file, int line);
// The readable name of a C++ type as the compiler records it.
std::string nex_TypeName(const std::type_info& type);

// The type test before a downcast: `object` as a T, or a nex_TextException
// naming T, the source file and the line when it is not one.
template <class T, class U>
T& nex_canDynamicCastRef(U& object, const char* file, int line) {
  if (auto* p = dynamic_cast<T*>(&object)) return *p;
  nex_Exception::Throw(
      nex_TextException(nex_TypeTestText(nex_TypeName(typeid(T)).c_str(), file, line)), file, line);
}
