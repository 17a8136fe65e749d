// The product's version singleton: the title that generated files name.
#pragma once

#include "BasShared/cow_String.h"

class VZLBasUtlVersion {
 public:
  static VZLBasUtlVersion& Instance();

  // The product title; with `withBuild`, followed by " (build " and the build
  // name and ")".
  cow_String Title(bool withBuild) const;

  // For tests: replaces the title and the build name.
  void SetTitle(const cow_String& title, const cow_String& build = "standin");

 private:
  VZLBasUtlVersion() = default;

  cow_String title_ = "Model Pre-processor 1.0";
  cow_String build_ = "standin";
};
