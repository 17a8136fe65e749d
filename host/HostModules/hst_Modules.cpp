#include "HostModules/hst_Modules.h"

namespace {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

}  // namespace

void hst_CallLog::Record(const char* call) {
  Log().emplace_back(call);
}
const std::vector<std::string>& hst_CallLog::Calls() {
  return Log();
}
void hst_CallLog::Clear() {
  Log().clear();
}

#define HST_DEFINE_MODULE(name)               \
  void name##_initialize(int&) {              \
    hst_CallLog::Record(#name "_initialize"); \
  }                                           \
  void name##_finalize(int&) {                \
    hst_CallLog::Record(#name "_finalize");   \
  }
HST_MODULE_LIST(HST_DEFINE_MODULE)
#undef HST_DEFINE_MODULE

void kamK_formalize() {
  hst_CallLog::Record("kamK_formalize");
}
void kadK_formalize() {
  hst_CallLog::Record("kadK_formalize");
}
void kflK_formalize() {
  hst_CallLog::Record("kflK_formalize");
}
