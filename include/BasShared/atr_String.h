// Message translation of the host's base library. Texts shown to the user go
// through atr_Translate; the translation is the identity unless a translator is
// installed (tests install one that marks every translated text).
#pragma once

#include <functional>

#include "cow_String.h"

class atr_StringBase : public cow_String {
 public:
  using cow_String::cow_String;
  atr_StringBase() = default;
  atr_StringBase(const cow_String& s) : cow_String(s) {}  // NOLINT: implicit by design

  // ASCII letters to upper case, in place; other bytes unchanged (no locale).
  atr_StringBase& ToUpper();
  // Removes leading and trailing blanks, tabs and line ends, in place.
  atr_StringBase& Trim();
};

class atr_String : public atr_StringBase {
 public:
  using atr_StringBase::atr_StringBase;
  atr_String() = default;
  atr_String(const cow_String& s) : atr_StringBase(s) {}  // NOLINT: implicit by design
};

using atr_Translator = std::function<cow_String(const cow_String& text)>;

// Installs the translator used by every atr_Translate call; an empty function
// restores the identity. Returns the translator that was in force.
atr_Translator atr_SetTranslator(atr_Translator translator);

// The text translated.
atr_String atr_Translate(const cow_String& text);
// The format translated, then its first "%s" replaced by `arg` (the argument
// itself is not translated). A format without "%s" is returned translated.
atr_String atr_TranslateWithArg(const cow_String& format, const cow_String& arg);
// The format translated, then `a` and `b` put in for its two substitution
// marks: "%1$s" takes `a` and "%2$s" takes `b` wherever they stand (a
// translation may reorder them); each plain "%s" takes the next argument not
// yet used by a plain mark, `a` first. Arguments are not translated nor
// searched for marks; a mark beyond the second is left as it is.
atr_String atr_TranslateFormat(const cow_String& format, const cow_String& a, const cow_String& b);
// The format translated, then its first three "%s" replaced by `a`, `b` and
// `c` in order (the arguments are not translated; a missing "%s" drops its
// argument).
atr_String atr_TranslateFormat3(const cow_String& format, const cow_String& a,
                                const cow_String& b, const cow_String& c);
