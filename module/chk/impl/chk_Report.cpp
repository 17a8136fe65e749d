#include "chk/impl/chk_Report.h"

#include <string>

namespace {

void AppendReportFinding(std::string& text, const char* label, const atr_String& finding) {
  std::string body = finding.Str();
  if (!body.empty() && body.back() == '\n') body.pop_back();
  text += label;
  for (char c : body) {
    text += c;
    if (c == '\n') text += "    ";
  }
  text += '\n';
}

void AppendReportLists(std::string& text, const cow_List<atr_String>& errors,
                       const cow_List<atr_String>& warnings) {
  for (const atr_String& finding : errors)
    AppendReportFinding(text, "  Error: ", finding);
  for (const atr_String& finding : warnings)
    AppendReportFinding(text, "  Warning: ", finding);
}

}  // namespace

cow_String chk_Report(const kut_CheckControl& control) {
  std::string text;
  if (!control.Errors().IsEmpty()) {
    text += "Check control\n";
    AppendReportLists(text, control.Errors(), cow_List<atr_String>());
  }
  for (std::size_t i = 0; i < control.CheckCount(); ++i) {
    const kut_Check& check = control.RegisteredCheck(i);
    text += control.CheckName(i).Str();
    text += '\n';
    AppendReportLists(text, check.Errors(), check.Warnings());
  }
  return cow_String(std::move(text));
}
