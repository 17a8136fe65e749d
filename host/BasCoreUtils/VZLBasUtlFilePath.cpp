#include "BasCoreUtils/VZLBasUtlFilePath.h"

#include <algorithm>
#include <filesystem>
#include <string>

VZLBasUtlFilePath::VZLBasUtlFilePath(const cow_String& first, const cow_String& second)
    : path_(second.IsEmpty() ? first : first + "/" + second) {}

VZLBasUtlFilePath VZLBasUtlFilePath::Portable() const {
  std::string path = path_.Str();
  std::replace(path.begin(), path.end(), '\\', '/');
  return VZLBasUtlFilePath(cow_String(std::move(path)));
}

cow_String VZLBasUtlFilePath::AbsolutePathName() const {
  if (!path_.IsEmpty() && path_.Str().front() == '/') return path_;
  return cow_String(std::filesystem::current_path().string()) + "/" + path_;
}
