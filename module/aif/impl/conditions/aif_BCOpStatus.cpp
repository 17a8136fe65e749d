#include "aif/impl/conditions/aif_BCOpStatus.h"

#include <algorithm>
#include <iterator>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kBCOpStatusFile[] = "module/aif/impl/conditions/aif_BCOpStatus.cpp";

// The kinds written as "*Boundary" (with the bolt load, which the builder
// writes as one) and the two kinds the builder accepts that no boundary
// keyword writes (0x298000e, 0x2980042).
constexpr unsigned kBCOpStatusBoundaryKinds[] = {
    0x2880024, 0x2980005, 0x2980007, 0x2980009, 0x298000c, 0x298000e, 0x2980010,
    0x2980014, 0x2980016, 0x2980018, 0x298001a, 0x298001c, 0x2980022, 0x2980031,
    0x2980033, 0x2980038, 0x298003b, 0x298003e, 0x2980042};
// Connector displacement, velocity and acceleration.
constexpr unsigned kBCOpStatusConnectorKinds[] = {0x2980024, 0x2980026, 0x2980028};

bool BCOpStatusListed(const unsigned* first, const unsigned* last, unsigned typeId) {
  return std::find(first, last, typeId) != last;
}

}  // namespace

int aif_BCOpStatus::StatusKey(unsigned typeId, bool& /*flag*/) const {
  if (BCOpStatusListed(std::begin(kBCOpStatusBoundaryKinds), std::end(kBCOpStatusBoundaryKinds),
                       typeId))
    return 0;
  if (BCOpStatusListed(std::begin(kBCOpStatusConnectorKinds), std::end(kBCOpStatusConnectorKinds),
                       typeId))
    return 1;
  nex_Exception::Throw(aif_Exception(atr_Translate("Unimplemented bc->statusKey conversion")),
                       kBCOpStatusFile, __LINE__);
}

void aif_BCOpStatus::BuildBCOpStatus(const kprC_PropagatingContainer<kbcC_BC>& conditions,
                                     const kprC_PropagatingContainer<kloC_Load>& loads,
                                     const cow_List<cow_String>& steps) {
  InitializeSteps(steps, kCategoryCount);
  MarkRemovedOrModified(conditions);
  MarkBoltLoads(loads);
}

void aif_BCOpStatus::MarkBoltLoads(const kprC_PropagatingContainer<kloC_Load>& loads) {
  const cow_List<cow_String>& steps = Steps();
  for (std::size_t index = 1; index < steps.Length(); ++index) {
    const cow_String& step = steps[index];
    for (const auto& entry : loads.ConstGetMap()) {
      const kloC_Load& load = *entry.second;
      if (load.Suppressed() || load.DynTypeId() != kloC_BoltLoad::kTypeId) continue;
      const kloC_BoltLoad& bolt =
          nex_canDynamicCastRef<const kloC_BoltLoad>(load, kBCOpStatusFile, __LINE__);
      const int status = bolt.Status(step);
      if (status == 8) continue;
      const mdl_PropAttr<kloC_BoltLoadMethodEnm>& method = bolt.ConstGetState(step).Method();
      const bool changed = status != 1 && method.IsModified();
      const bool removed = status == 4 && method.Value() != kloC_APPLY_FORCE;
      if (!changed && !removed) continue;
      bool flag = false;
      MarkCategory(StatusKey(kloC_BoltLoad::kTypeId, flag), static_cast<int>(index));
    }
  }
}
