// A results file of an earlier job, opened for reading its results database
// (ddb_DdbContainer::OpenDdb).
#pragma once

#include "BasShared/cow_String.h"

class rds_RfmFile {
 public:
  // Opens the file at `path`. `access` 0 reads; `shared` lets other readers
  // open it as well (the stand-in only keeps both). Throws nex_TextException
  // when the file cannot be read.
  static rds_RfmFile Open(const cow_String& path, int access, bool shared);

  const cow_String& Path() const { return path_; }
  int Access() const { return access_; }
  bool Shared() const { return shared_; }

 private:
  rds_RfmFile(cow_String path, int access, bool shared)
      : path_(std::move(path)), access_(access), shared_(shared) {}

  cow_String path_;
  int access_;
  bool shared_;
};
