#include "aif/impl/steps/aif_DynamicTempDisplacement.h"

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/steps/aif_ExplicitIncrementation.h"

namespace {

constexpr char kDynamicTempDisplacementFile[] =
    "module/aif/impl/steps/aif_DynamicTempDisplacement.cpp";

}  // namespace

aif_DynamicTempDisplacement::aif_DynamicTempDisplacement(const kprC_Step& step,
                                                         const akw_ModelInfo& info)
    : aif_ProcedureKeyword(step, kDynamicTempDisplacementFile, __LINE__) {
  (void)info;
}

void aif_DynamicTempDisplacement::Write(utl_Stream& stream) const {
  stream << "*Dynamic Temperature-displacement, Explicit";
  if (!aif_WriteExplicitIncrementation(stream, step_.Controls(), step_.TimePeriod()))
    nex_Exception::Throw(
        aif_Exception(atr_Translate("Corrupted Dynamic, Temp-displacement procedure")),
        kDynamicTempDisplacementFile, __LINE__);
}
