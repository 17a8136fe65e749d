// A file path of the host's base utilities: made from a directory and a name
// (or a whole path and an empty second part), turned into the portable form
// and resolved to an absolute path.
#pragma once

#include "BasShared/cow_String.h"

class VZLBasUtlFilePath {
 public:
  // `first` joined with `second` by "/"; `first` alone when `second` is empty.
  VZLBasUtlFilePath(const cow_String& first, const cow_String& second);

  // The same path with every "\" turned into "/".
  VZLBasUtlFilePath Portable() const;
  // The path itself when it starts with "/"; otherwise the current directory,
  // "/" and the path. Nothing is normalised and the file need not exist.
  cow_String AbsolutePathName() const;

  const cow_String& Path() const { return path_; }

 private:
  explicit VZLBasUtlFilePath(cow_String path) : path_(std::move(path)) {}

  cow_String path_;
};
