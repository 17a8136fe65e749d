#include "aif/impl/core/aif_OutputFile.h"

#include "BasShared/atr_String.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"

aif_OutputFile::~aif_OutputFile() {
  if (stream_) Discard();
}

bool aif_OutputFile::Open(const cow_String& path) {
  path_ = path;
  const char* name = path.CStr();
  if (rt_access(name, 0) == 0) {
    if (rt_access(name, 2) != 0) return false;
    if (rt_remove(name) != 0) return false;
  }
  FILE* file = rt_fopen(name, "w");
  if (!file) return false;
  file_.attach(file, true);
  stream_ = std::make_unique<utl_Stream>(file_, 131, 6, 6);
  return true;
}

void aif_OutputFile::Close() {
  stream_->Flush();
  const bool written = stream_->Good() && file_.close();
  stream_.reset();
  if (!written) {
    rt_remove(path_.CStr());
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The input file %s could not be written completely (the disk may be full).", path_)),
        "module/aif/impl/aif_OutputFile", __LINE__);
  }
}

void aif_OutputFile::Discard() {
  stream_.reset();  // its last flush may fail too; the file goes anyway
  file_.close();
  rt_remove(path_.CStr());
}
