#include "aif/impl/optimization/aif_KestComment.h"

#include <string>

#include "QivBasicUtils/utl_Stream.h"

aif_KestComment aif_KestComment::Banner(const char* title, const cow_String& name) {
  return aif_KestComment(std::string(64, '-') + "\n\n" + title + name.Str() + "\n");
}

void aif_KestComment::Write(utl_Stream& stream) const {
  const std::string& text = text_.Str();
  std::size_t p = 0;
  for (;;) {
    const std::size_t lineEnd = text.find('\n', p);
    const std::size_t end = lineEnd == std::string::npos ? text.size() : lineEnd;
    stream << "! ";
    if (end > p) stream.Write(text.data() + p, end - p);
    stream << endl;
    if (lineEnd == std::string::npos) break;
    p = lineEnd + 1;
  }
}
