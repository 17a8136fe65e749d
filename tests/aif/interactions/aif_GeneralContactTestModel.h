// What the general-contact tests share: a write context (part-based or flat,
// of a chosen modelling space) and the surfaces and pairs the contacts name.
#pragma once

#include <initializer_list>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "support/aif_TestSupport.h"

namespace aif_gc_test {

// A model without parts whose assembly is of modelling space `space`.
inline hst_ModelBuilder GcModel(int space = 2000) {
  hst_ModelBuilder b;
  b.Assembly().SetSpace(space);
  return b;
}

// The surface `name` of instance `instance`.
inline rgnC_Region GcSurface(const char* name, const char* instance = "Block-1") {
  return rgnC_Region(name, {"Assembly", instance});
}

inline kinC_RegionPair GcPair(const char* first, const char* second, const char* text = "") {
  return kinC_RegionPair{GcSurface(first), GcSurface(second), text};
}

// A write context over a model: part-based, or flat when asked.
using GcContext = aif_test::MeshContext;

// The lines, each ended by a line break.
inline std::string GcLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

// Whether `error` is the type test's message for `className` raised in
// `file`.
inline bool GcIsTypeTestError(const std::string& error, const std::string& className,
                              const std::string& file) {
  const std::string start =
      "Type test failed: the object is not a " + className + " (source file " + file + ", line ";
  return error.rfind(start, 0) == 0;
}

}  // namespace aif_gc_test
