#include "aif/impl/constraints/aif_Distributing.h"

#include "OdbAttrEO/kcoC_Coupling.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/constraints/aif_CouplingDofLines.h"

namespace {

constexpr const char* kDistributingFile = "module/aif/impl/constraints/aif_Distributing.cpp";

}  // namespace

aif_Distributing::aif_Distributing(const kcoC_Constraint& constraint) : constraint_(constraint) {}

void aif_Distributing::Write(utl_Stream& stream) const {
  const auto& coupling =
      nex_canDynamicCastRef<const kcoC_Coupling>(*constraint_, kDistributingFile, __LINE__);
  const omu_PrimEnum<kcoC_Coupling::WeightingMethodEnm> method(
      static_cast<kcoC_Coupling::WeightingMethodEnm>(coupling.WeightingMethod()));
  stream << "*Distributing, weighting method=" << method.GetString();
  if (coupling.CouplingType() == kcoC_Coupling::kStructural) stream << ", coupling=STRUCTURAL";
  stream << endl;
  aif_WriteCouplingDofLines(stream, coupling, false);
}
