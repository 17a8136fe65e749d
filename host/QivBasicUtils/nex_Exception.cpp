#include "QivBasicUtils/nex_Exception.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

cow_String nex_Exception::DeveloperReport() const {
  std::string report = UserReport().Str();
  if (line_ > 0) report += " (" + std::string(file_) + ", line " + std::to_string(line_) + ")";
  return cow_String(std::move(report));
}

const char* nex_Exception::what() const noexcept {
  try {
    what_ = UserReport().Str();
  } catch (...) {
    return "nex_Exception";
  }
  return what_.c_str();
}

void nex_Exception::Throw(const nex_Exception& e, const char* file, int line) {
  std::unique_ptr<nex_Exception> copy(e.Copy());
  copy->file_ = file ? file : "";
  copy->line_ = line;
  copy->Propagate();
  std::terminate();  // Propagate always throws
}

cow_String nex_TypeTestText(const char* expectedClass, const char* file, int line) {
  return cow_String("Type test failed: the object is not a " + std::string(expectedClass) +
                    " (source file " + file + ", line " + std::to_string(line) + ").");
}

std::string nex_TypeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}
