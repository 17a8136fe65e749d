#include "AFCInputFileWriter/akw_MorvexName.h"

#include <string>
#include <string_view>

#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

bool IsPlain(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.';
}

bool AllPlain(std::string_view text) {
  for (char c : text)
    if (!IsPlain(c)) return false;
  return true;
}

void RejectControlCharacters(const cow_String& name) {
  for (char c : name.Str()) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      std::string shown;
      for (char d : name.Str()) {
        unsigned char v = static_cast<unsigned char>(d);
        if (d == '\n')
          shown += "\\n";
        else if (d == '\r')
          shown += "\\r";
        else if (v < 0x20 || v == 0x7F)
          shown += "\\x" + std::string(1, "0123456789ABCDEF"[v >> 4]) + "0123456789ABCDEF"[v & 15];
        else
          shown += d;
      }
      throw nex_TextException(cow_String("The name \"" + shown +
                                         "\" holds a line break or another control character "
                                         "and cannot be written to the input file."));
    }
  }
}

void AppendComponent(std::string& out, std::string_view part) {
  if (part.find('"') != std::string_view::npos || AllPlain(part)) {
    out += part;
  } else {
    out += '"';
    out += part;
    out += '"';
  }
}

}  // namespace

cow_String akw_MorvexName::Printable() const {
  RejectControlCharacters(name_);
  std::string_view name = name_.View();
  if (name.empty()) return cow_String();
  if (name.find('"') == std::string_view::npos) {
    std::string out;
    AppendComponent(out, name);
    return cow_String(std::move(out));
  }
  // Split at the dots outside quotes and treat each part on its own.
  std::string out;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i < name.size() && name[i] == '"') quoted = !quoted;
    if (i == name.size() || (name[i] == '.' && !quoted)) {
      if (start > 0) out += '.';
      AppendComponent(out, name.substr(start, i - start));
      start = i + 1;
    }
  }
  return cow_String(std::move(out));
}

cow_String akw_MorvexName::PrintableFileName() const {
  RejectControlCharacters(name_);
  std::string_view name = name_.View();
  bool alreadyQuoted = name.size() >= 2 && name.front() == '"' && name.back() == '"';
  if (!alreadyQuoted && name.find_first_of(" ,") != std::string_view::npos)
    return cow_String("\"" + name_.Str() + "\"");
  return name_;
}

utl_Stream& operator<<(utl_Stream& stream, const akw_MorvexName& name) {
  return stream << (name.isFileName_ ? name.PrintableFileName() : name.Printable());
}
