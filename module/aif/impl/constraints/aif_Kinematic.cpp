#include "aif/impl/constraints/aif_Kinematic.h"

#include "OdbAttrEO/kcoC_Coupling.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/constraints/aif_CouplingDofLines.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr const char* kKinematicFile = "module/aif/impl/constraints/aif_Kinematic.cpp";

}  // namespace

aif_Kinematic::aif_Kinematic(const kcoC_Constraint& constraint, const akw_ModelInfo& info)
    : constraint_(constraint),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kKinematicFile, __LINE__)) {}

void aif_Kinematic::Write(utl_Stream& stream) const {
  const auto& coupling =
      nex_canDynamicCastRef<const kcoC_Coupling>(*constraint_, kKinematicFile, __LINE__);
  const asoK_Assembly* assembly = info_.Assembly();
  stream << "*Kinematic" << endl;
  aif_WriteCouplingDofLines(stream, coupling, assembly && assembly->HasTwistDof());
}
