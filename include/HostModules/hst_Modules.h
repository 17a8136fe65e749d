// Start and stop functions of the host modules the writer stands on, and the
// kernel's formalize functions. Each records its call in hst_CallLog so that
// the order in which the writer calls them can be checked; none touches the
// counter it is given.
#pragma once

#include <string>
#include <vector>

namespace hst_CallLog {

// Appends `call` (a function name) to the log.
void Record(const char* call);
const std::vector<std::string>& Calls();
void Clear();

}  // namespace hst_CallLog

#define HST_MODULE(name)            \
  void name##_initialize(int& counter); \
  void name##_finalize(int& counter);
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

// Kernel clean-up of the amplitude, adaptive-mesh and filter modules.
void kamK_formalize();
void kadK_formalize();
void kflK_formalize();
