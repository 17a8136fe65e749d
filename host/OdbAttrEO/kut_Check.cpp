#include "OdbAttrEO/kut_Check.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "OdbAttrEO/kut_CheckControl.h"

kut_Check::kut_Check(const bas_NewModel& model, const cow_String& modelName)
    : model_(model), modelName_(modelName) {}

kut_Check::~kut_Check() = default;

kut_CheckControl::kut_CheckControl() = default;
kut_CheckControl::~kut_CheckControl() = default;

void kut_CheckControl::RunChecks() {
  for (const std::unique_ptr<kut_Check>& check : checks_)
    check->Run();
}

void kut_CheckControl::AddCheck(const kut_Check& check) {
  cow_String name = kut_CheckClassName(check);
  checks_.reserve(checks_.size() + 1);
  names_.reserve(names_.size() + 1);
  std::unique_ptr<kut_Check> clone(check.Clone());
  checks_.push_back(std::move(clone));
  names_.push_back(std::move(name));
}

cow_String kut_CheckClassName(const kut_Check& check) {
  const char* mangled = typeid(check).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  if (status != 0 || demangled == nullptr) return cow_String(mangled);
  cow_String name(demangled);
  std::free(demangled);
  return name;
}
