// The host's element-type inference: which element libraries know an
// element-type name. Library values: 1 the standard library, 2 the explicit
// library, 4 the fluid library; a name may belong to several.
//
// The stand-in knows the names a test (or benchmark) gives it with
// SetLibraries; every other name is known to no library.
#pragma once

#include <string>
#include <unordered_map>

#include "BasShared/cow_String.h"

class mgnC_ElemTypeInference {
 public:
  static mgnC_ElemTypeInference& GetInstance() {
    static mgnC_ElemTypeInference instance;
    return instance;
  }

  // Whether `name` belongs to `library`.
  bool ElementInLibrary(const cow_String& name, int library) const {
    return (GetElementLibrary(name) & library) != 0;
  }
  // The libraries that know `name` (their values or-ed); 0 for a name no
  // library knows.
  int GetElementLibrary(const cow_String& name) const {
    const auto found = libraries_.find(name.Str());
    return found == libraries_.end() ? 0 : found->second;
  }

  // Building: `name` belongs to the libraries `libraries` (values or-ed).
  void SetLibraries(const cow_String& name, int libraries) { libraries_[name.Str()] = libraries; }
  void Clear() { libraries_.clear(); }

 private:
  std::unordered_map<std::string, int> libraries_;
};
