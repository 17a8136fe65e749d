#include "aif/impl/optimization/aif_GlobalStop.h"

#include "AttributesGuiCommon/ajbC_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

void aif_GlobalStop::Write(utl_Stream& stream) const {
  aif_KestBlock block(stream, "STOP");
  block.Line("ID_NAME", aif_KestTaskName(info_, "_GLOBAL_STOP_CONDITION_"));
  block.Line("ITER_MAX", info_.OptimizationProcess()->OptimizationObject().IterationLimit());
  block.End();
}
