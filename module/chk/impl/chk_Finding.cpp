#include "chk/impl/chk_Finding.h"

#include <utility>

chk_Finding::chk_Finding(cow_String header, chk_LineForm form, cow_String advice)
    : header_(std::move(header)), form_(form), advice_(std::move(advice)) {}

void chk_Finding::Add(const cow_String& name, const cow_String& step) {
  names_.push_back(name);
  steps_.push_back(step);
  seconds_.emplace_back();
}

void chk_Finding::AddDetails(const cow_String& name, const cow_String& detail,
                             const cow_String& second) {
  names_.push_back(name);
  steps_.push_back(detail);
  seconds_.push_back(second);
}

bool chk_Finding::AppendTo(cow_List<atr_String>& list) const {
  if (names_.empty()) return false;
  std::string text;
  if (form_ == chk_LineForm::kJoined) {
    std::string joined;
    for (std::size_t i = 0; i < names_.size(); ++i) {
      if (i > 0) joined += ", ";
      joined += names_[i].Str();
    }
    text = atr_TranslateWithArg(header_, cow_String(std::move(joined))).Str();
  } else {
    text = atr_Translate(header_).Str();
    for (std::size_t i = 0; i < names_.size(); ++i) {
      switch (form_) {
        case chk_LineForm::kIndented:
          text += atr_TranslateWithArg("    %s\n", names_[i]).Str();
          break;
        case chk_LineForm::kIndentedBlank:
          text += atr_TranslateWithArg("    %s \n", names_[i]).Str();
          break;
        case chk_LineForm::kInStep:
          text += atr_TranslateWithArg("%s in step ", names_[i]).Str();
          text += atr_TranslateWithArg("%s \n", steps_[i]).Str();
          break;
        case chk_LineForm::kJoined:
          break;
        case chk_LineForm::kIndentedOne:
          text += atr_TranslateWithArg(" %s\n", names_[i]).Str();
          break;
        case chk_LineForm::kDashed:
          text += atr_TranslateWithArg("   %s - ", names_[i]).Str();
          text += atr_Translate(steps_[i]).Str();
          break;
        case chk_LineForm::kDetail:
          text += atr_TranslateFormat("\n  %s  (%s)", names_[i], steps_[i]).Str();
          break;
        case chk_LineForm::kTwoDetails:
          text += atr_TranslateFormat3("\n  %s  (%s, %s)", names_[i], steps_[i], seconds_[i]).Str();
          break;
        case chk_LineForm::kDetailIfAny:
          if (steps_[i].IsEmpty())
            text += atr_TranslateWithArg("\n  %s", names_[i]).Str();
          else
            text += atr_TranslateFormat("\n  %s  (%s)", names_[i], steps_[i]).Str();
          break;
        case chk_LineForm::kTwoBlanks:
          text += atr_TranslateWithArg("  %s\n", names_[i]).Str();
          break;
      }
    }
  }
  if (!advice_.IsEmpty()) text += atr_Translate(advice_).Str();
  list.Append(atr_String(cow_String(std::move(text))));
  return true;
}
