#include "QivBasicUtils/aio_ios.h"

#include "MSVCR90/rt_Runtime.h"

aio_ios::~aio_ios() {
  if (file_ && own_) rt_fclose(file_);
}

bool aio_ios::attach(FILE* file, bool own) {
  if (file_ && own_) rt_fclose(file_);
  file_ = file;
  own_ = own;
  failed_ = file == nullptr;
  return file != nullptr;
}

bool aio_ios::write(const char* data, std::size_t size) {
  if (failed_ || !file_) {
    failed_ = true;
    return false;
  }
  if (rt_fwrite(data, size, file_) != size) failed_ = true;
  return !failed_;
}

bool aio_ios::close() {
  if (!file_) return false;
  bool ok = !failed_;
  if (own_ && rt_fclose(file_) != 0) ok = false;
  file_ = nullptr;
  own_ = false;
  failed_ = !ok;
  return ok;
}

bool aio_FailingSink::write(const char* data, std::size_t size) {
  if (failed_) return false;
  std::size_t room = capacity_ - text_.size();
  if (size <= room) {
    text_.append(data, size);
    return true;
  }
  text_.append(data, room);
  failed_ = true;
  return false;
}
