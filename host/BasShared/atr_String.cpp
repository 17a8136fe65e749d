#include "BasShared/atr_String.h"

#include <string>
#include <utility>

namespace {

atr_Translator& Translator() {
  static atr_Translator translator;
  return translator;
}

}  // namespace

atr_StringBase& atr_StringBase::ToUpper() {
  std::string s = Str();
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  static_cast<cow_String&>(*this) = cow_String(std::move(s));
  return *this;
}

atr_StringBase& atr_StringBase::Trim() {
  const std::string& s = Str();
  const char* blanks = " \t\r\n";
  std::size_t first = s.find_first_not_of(blanks);
  if (first == std::string::npos) {
    static_cast<cow_String&>(*this) = cow_String();
  } else {
    std::size_t last = s.find_last_not_of(blanks);
    static_cast<cow_String&>(*this) = cow_String(s.substr(first, last - first + 1));
  }
  return *this;
}

atr_Translator atr_SetTranslator(atr_Translator translator) {
  std::swap(Translator(), translator);
  return translator;
}

atr_String atr_Translate(const cow_String& text) {
  const atr_Translator& t = Translator();
  return t ? atr_String(t(text)) : atr_String(text);
}

atr_String atr_TranslateWithArg(const cow_String& format, const cow_String& arg) {
  std::string text = atr_Translate(format).Str();
  std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, arg.Str());
  return atr_String(std::move(text));
}

atr_String atr_TranslateFormat3(const cow_String& format, const cow_String& a,
                                const cow_String& b, const cow_String& c) {
  std::string text = atr_Translate(format).Str();
  std::size_t from = 0;
  for (const cow_String* arg : {&a, &b, &c}) {
    std::size_t at = text.find("%s", from);
    if (at == std::string::npos) break;
    text.replace(at, 2, arg->Str());
    from = at + arg->Str().size();
  }
  return atr_String(std::move(text));
}

atr_String atr_TranslateFormat(const cow_String& format, const cow_String& a, const cow_String& b) {
  const std::string text = atr_Translate(format).Str();
  std::string out;
  out.reserve(text.size() + a.Str().size() + b.Str().size());
  int nextPlain = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == '%') {
      if (text.compare(at, 4, "%1$s") == 0 || text.compare(at, 4, "%2$s") == 0) {
        out += (text[at + 1] == '1' ? a : b).Str();
        at += 4;
        continue;
      }
      if (text.compare(at, 2, "%s") == 0 && nextPlain < 2) {
        out += (nextPlain++ == 0 ? a : b).Str();
        at += 2;
        continue;
      }
    }
    out += text[at++];
  }
  return atr_String(std::move(out));
}
