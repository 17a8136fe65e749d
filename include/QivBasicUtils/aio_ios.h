// Byte sinks behind the output stream. aio_ostream is the interface; aio_ios
// writes to a FILE; the string, null and failing sinks serve tests and
// benchmarks. A sink remembers its first failure: after it every write is
// refused and close() reports false.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

class aio_ostream {
 public:
  virtual ~aio_ostream() = default;
  // Writes all `size` bytes; false when they did not all reach the sink.
  virtual bool write(const char* data, std::size_t size) = 0;
  // Ends the sink's use; false when any write or the closing itself failed.
  virtual bool close() { return !failed_; }
  bool good() const { return !failed_; }

 protected:
  bool failed_ = false;
};

// A FILE opened by the caller (through rt_fopen), written with rt_fwrite.
class aio_ios : public aio_ostream {
 public:
  aio_ios() = default;
  aio_ios(const aio_ios&) = delete;
  aio_ios& operator=(const aio_ios&) = delete;
  ~aio_ios() override;  // closes a still-owned file; the result is lost

  // Attaches `file`; with `own` close() closes it. Returns false for null.
  bool attach(FILE* file, bool own);
  bool write(const char* data, std::size_t size) override;
  // Closes an owned file (rt_fclose). True only when every write succeeded and
  // the file closed cleanly; false too when nothing is attached.
  bool close() override;
  bool is_open() const { return file_ != nullptr; }

 private:
  FILE* file_ = nullptr;
  bool own_ = false;
};

// Appends everything to a string.
class aio_StringSink : public aio_ostream {
 public:
  bool write(const char* data, std::size_t size) override {
    text_.append(data, size);
    return true;
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Discards everything and counts the bytes.
class aio_NullSink : public aio_ostream {
 public:
  bool write(const char*, std::size_t size) override {
    bytes_ += size;
    return true;
  }
  unsigned long long bytes() const { return bytes_; }

 private:
  unsigned long long bytes_ = 0;
};

// Accepts the first `capacity` bytes, then fails as a full disk does: the
// write that crosses the limit stores what fits and reports failure.
class aio_FailingSink : public aio_ostream {
 public:
  explicit aio_FailingSink(std::size_t capacity) : capacity_(capacity) {}
  bool write(const char* data, std::size_t size) override;
  const std::string& text() const { return text_; }

 private:
  std::size_t capacity_;
  std::string text_;
};
