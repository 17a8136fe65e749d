// Writes the optimization module's parameter file for the optimization
// process of its context: the builder components' option, single-term,
// combined-term, design-area and model definitions, in that order, then an
// optional extra line and "EXIT". Failures behave as in aif_Builder: false
// when the file may not be written or cannot be created, otherwise a complete
// file or none (exceptions pass on after the file is removed). A task that
// refers to a design response it does not hold or holds suppressed (a
// combined response's operand, an objective term, a constraint) is refused
// by its builders with aif_Exception, and no file is left.
#pragma once

#include <memory>
#include <vector>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class utl_Stream;

class aif_KestBuilder {
 public:
  explicit aif_KestBuilder(aif_ModelInfo& modelInfo);
  aif_KestBuilder(const aif_KestBuilder&) = delete;
  aif_KestBuilder& operator=(const aif_KestBuilder&) = delete;
  ~aif_KestBuilder();

  // `unused` is accepted for the host's sake and ignored. Without `write`
  // the file is created empty.
  bool WriteInputFile(const cow_String& path, const cow_String& extraLine, bool unused, bool write);

 private:
  void BuildAndWrite(utl_Stream& out, const cow_String& extraLine);

  aif_ModelInfo& modelInfo_;
  std::vector<std::unique_ptr<akw_BuilderComponent>> components_;
};
