#include "aif/impl/optimization/aif_KestOptionBuilder.h"

#include "AFCInputFileWriter/akw_OptimizationProcess.h"
#include "AttributesGuiCommon/ajbC_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_FemInput.h"
#include "aif/impl/optimization/aif_KestHeading.h"

void aif_KestOptionBuilder::Build() {
  if (!Task()) return;
  const akw_OptimizationProcess& process = *Info().OptimizationProcess();
  AddKestOptionDefinition(aif_KestHeading(process, Model().Name()));
  AddKestOptionDefinition(aif_FemInput(process.OptimizationObject().InputBaseName()));
}
