#include "HostModules/hst_Modules.h"

namespace {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

}  // namespace

void hst_CallLog::Record(const char* call) { Log().emplace_back(call); }
const std::vector<std::string>& hst_CallLog::Calls() { return Log(); }
void hst_CallLog::Clear() { Log().clear(); }

#define HST_MODULE(name)                                                             \
  void name##_initialize(int&) { hst_CallLog::Record(#name "_initialize"); } \
  void name##_finalize(int&) { hst_CallLog::Record(#name "_finalize"); }
HST_MODULE(VZLBasAlloc)
HST_MODULE(VZLBasCoreUtils)
HST_MODULE(VZLBasShared)
HST_MODULE(VZLQivBasicUtils)
HST_MODULE(VZLQivGeom)
HST_MODULE(VZLRomCore)
HST_MODULE(VZLRomDiagEx)
HST_MODULE(VZLAspDiagExtractor)
HST_MODULE(VZLShpCore)
HST_MODULE(VZLOdbCoreGeom)
HST_MODULE(VZLOdbAttrEO)
HST_MODULE(VZLOdbCore)
HST_MODULE(AFCInputFileWriter)
HST_MODULE(PyUtils)
HST_MODULE(VwrCmd)
HST_MODULE(AttributesGuiCommon)
HST_MODULE(ModelDatabase)
HST_MODULE(VwrKer)
HST_MODULE(VwrModKer)
HST_MODULE(CaeModuleGeom)
HST_MODULE(CaeModule)
HST_MODULE(CaeModKerGeomLow)
HST_MODULE(CaeModKerLow)
HST_MODULE(AttributesNoRegionIntObj)
HST_MODULE(AttributesIntObj)
#undef HST_MODULE

void kamK_formalize() { hst_CallLog::Record("kamK_formalize"); }
void kadK_formalize() { hst_CallLog::Record("kadK_formalize"); }
void kflK_formalize() { hst_CallLog::Record("kflK_formalize"); }
