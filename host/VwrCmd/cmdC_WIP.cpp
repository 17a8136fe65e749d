#include "VwrCmd/cmdC_WIP.h"

namespace {

std::vector<cmdC_WIP::Record>& Log() {
  static std::vector<cmdC_WIP::Record> log;
  return log;
}

}  // namespace

void cmdC_WIP::Milestone(const cow_String& text) {
  Log().push_back({Kind::Milestone, text.Str()});
}
void cmdC_WIP::Warning(const cow_String& text) {
  Log().push_back({Kind::Warning, text.Str()});
}
void cmdC_WIP::ProcessStart(const cow_String& text) {
  Log().push_back({Kind::ProcessStart, text.Str()});
}
void cmdC_WIP::ProcessComplete() {
  Log().push_back({Kind::ProcessComplete, std::string()});
}

const std::vector<cmdC_WIP::Record>& cmdC_WIP::Records() {
  return Log();
}

std::vector<std::string> cmdC_WIP::Texts(Kind kind) {
  std::vector<std::string> texts;
  for (const Record& r : Log())
    if (r.kind == kind) texts.push_back(r.text);
  return texts;
}

void cmdC_WIP::Clear() {
  Log().clear();
}
