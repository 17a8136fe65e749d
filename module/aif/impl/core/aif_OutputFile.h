// The file a driver writes, from preparation to a complete file or none.
//
// Open: an existing file that may not be written is left alone (false); an
// existing writable file is removed; the file is created for writing (false
// when that fails) and a stream is set over it. Close: flushes and closes, and
// when any byte failed to reach the file, removes it and throws aif_Exception.
// Destroyed while still open (an exception on its way out), the file is
// closed and removed: a failed write never leaves a partial file behind.
#pragma once

#include <memory>
#include <new>

#include "BasShared/cow_String.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

class aif_OutputFile {
 public:
  aif_OutputFile() = default;
  aif_OutputFile(const aif_OutputFile&) = delete;
  aif_OutputFile& operator=(const aif_OutputFile&) = delete;
  ~aif_OutputFile();

  bool Open(const cow_String& path);
  utl_Stream& Stream() { return *stream_; }
  void Close();

 private:
  void Discard();

  cow_String path_;
  aio_ios file_;
  std::unique_ptr<utl_Stream> stream_;
};

// Runs `work`; an allocation failure leaves it as nex_OutOfMemoryException
// naming `file` and `line`, anything else unchanged.
template <class Work>
void aif_TranslateAllocationFailure(Work&& work, const char* file, int line) {
  try {
    work();
  } catch (const std::bad_alloc&) {
    nex_Exception::Throw(nex_OutOfMemoryException(), file, line);
  }
}
