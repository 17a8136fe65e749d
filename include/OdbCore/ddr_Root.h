// The results root of a thread: the results databases open in it, by the
// absolute path of their file, with counts of opens and closes.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "BasShared/cow_String.h"

class ddb_DdbContainer;

class ddr_Root {
 public:
  // The calling thread's root.
  static ddr_Root& Get();
  ~ddr_Root();

  // The open database of the file at `path`, or null.
  ddb_DdbContainer* FindDdb(const cow_String& path) const;
  // Databases opened and closed in this thread so far.
  int OpenCount() const { return opened_; }
  int CloseCount() const { return closed_; }

 private:
  friend class ddb_DdbContainer;
  ddr_Root();
  ddb_DdbContainer& Hold(std::unique_ptr<ddb_DdbContainer> ddb);
  void Drop(const cow_String& path);

  std::map<std::string, std::unique_ptr<ddb_DdbContainer>> open_;
  int opened_ = 0;
  int closed_ = 0;
};
