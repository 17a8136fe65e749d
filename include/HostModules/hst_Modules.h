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

// The host modules, in the order the library starts them. X(name) stands for
// the pair name_initialize / name_finalize.
#define HST_MODULE_LIST(X)    \
  X(VZLBasAlloc)              \
  X(VZLBasCoreUtils)          \
  X(VZLBasShared)             \
  X(VZLQivBasicUtils)         \
  X(VZLQivGeom)               \
  X(VZLRomCore)               \
  X(VZLRomDiagEx)             \
  X(VZLAspDiagExtractor)      \
  X(VZLShpCore)               \
  X(VZLOdbCoreGeom)           \
  X(VZLOdbAttrEO)             \
  X(VZLOdbCore)               \
  X(AFCInputFileWriter)       \
  X(PyUtils)                  \
  X(VwrCmd)                   \
  X(AttributesGuiCommon)      \
  X(ModelDatabase)            \
  X(VwrKer)                   \
  X(VwrModKer)                \
  X(CaeModuleGeom)            \
  X(CaeModule)                \
  X(CaeModKerGeomLow)         \
  X(CaeModKerLow)             \
  X(AttributesNoRegionIntObj) \
  X(AttributesIntObj)

#define HST_DECLARE_MODULE(name)        \
  void name##_initialize(int& counter); \
  void name##_finalize(int& counter);
HST_MODULE_LIST(HST_DECLARE_MODULE)
#undef HST_DECLARE_MODULE

// Kernel clean-up of the amplitude, adaptive-mesh and filter modules.
void kamK_formalize();
void kadK_formalize();
void kflK_formalize();
