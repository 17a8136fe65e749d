// Helpers shared by the tests: text written through a stream to a string.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <utility>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/utl_Stream.h"

// Failures show a string's text rather than the bytes of the object.
inline void PrintTo(const cow_String& text, std::ostream* out) {
  *out << '"' << text.Str() << '"';
}

namespace aif_test {

// The stream settings both drivers use.
inline constexpr int kBreakColumn = 131;
inline constexpr int kDoublePrecision = 6;
inline constexpr int kFloatPrecision = 6;

// What `write(stream)` writes through a stream with `bufferSize` bytes of
// buffer, the stream flushed and destroyed.
template <class Write>
std::string StreamText(Write&& write, std::size_t bufferSize = utl_Stream::kDefaultBufferSize) {
  aio_StringSink sink;
  {
    utl_Stream stream(sink, kBreakColumn, kDoublePrecision, kFloatPrecision, bufferSize);
    write(stream);
  }
  return sink.text();
}

// What `write(stream)` writes, checked to be the same with a one-byte buffer:
// the bytes must not depend on where the buffer flushes.
template <class Write>
std::string WrittenText(Write&& write) {
  std::string text = StreamText(write);
  EXPECT_EQ(text, StreamText(write, 1)) << "output depends on the buffer size";
  return text;
}

// What a keyword writes.
inline std::string KeywordText(const akw_Keyword& keyword) {
  return WrittenText([&](utl_Stream& s) { keyword.Write(s); });
}

// The output a static step writes when it asks for none.
inline std::string DefaultOutputLines() {
  return "*Output, field, frequency=0\n*Output, history, frequency=0\n";
}

// The lines of a default-constructed static step `name` (automatic
// increments over a period of 1) that asks for no output, from its banner to
// its default field and history output.
inline std::string StaticStepLines(const std::string& name) {
  return "** ----------------------------------------------------------------\n** \n** STEP: " +
         name + "\n** \n*Step, name=" + name + "\n*Static\n1., 1., 1.e-05, 1.\n" +
         DefaultOutputLines();
}

}  // namespace aif_test

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace aif_test {

// The whole content of a file; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Compares `text` with the golden file `name` (a path below tests/); with
// AIF_UPDATE_GOLDEN set, writes the file instead.
inline void ExpectGolden(const std::string& text, const std::string& name) {
  const std::string path = std::string(AIF_TESTS_DIR) + "/" + name;
  if (std::getenv("AIF_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << text;
    return;
  }
  EXPECT_EQ(ReadFile(path), text) << "golden file " << name;
}

}  // namespace aif_test

#include "BasShared/cow_Error.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"

namespace aif_test {

// The message of the error that writing `keyword` throws: an aif_Exception's
// message, another nex_TextException's text, "out of range: " and the text of
// a cow_OutOfRange, or another nex_Exception's report; "" when it writes
// without error. An error must come before the keyword has written anything.
inline std::string ThrownText(const akw_Keyword& keyword) {
  aio_StringSink sink;
  std::string error;
  {
    utl_Stream stream(sink, kBreakColumn, kDoublePrecision, kFloatPrecision, 1);
    try {
      keyword.Write(stream);
    } catch (const aif_Exception& e) {
      error = e.Message().Str();
    } catch (const nex_TextException& e) {
      error = e.Text().Str();
    } catch (const cow_OutOfRange& e) {
      error = std::string("out of range: ") + e.what();
    } catch (const nex_Exception& e) {
      error = e.AsString().Str();
    }
  }
  if (!error.empty()) {
    EXPECT_EQ(sink.text(), "") << "written before the error: " << error;
  }
  return error;
}

}  // namespace aif_test
