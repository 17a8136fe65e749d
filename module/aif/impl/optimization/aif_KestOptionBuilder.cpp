#include "aif/impl/optimization/aif_KestOptionBuilder.h"

#include "AFCInputFileWriter/akw_OptimizationProcess.h"
#include "AttributesGuiCommon/ajbC_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_FemInput.h"
#include "aif/impl/optimization/aif_KestHeading.h"

// The heading and FEM_INPUT open every file, also one for a task the model
// lacks, whose other builders file nothing.
void aif_KestOptionBuilder::Build() {
  const akw_OptimizationProcess& process = *Info().OptimizationProcess();
  AddKestOptionDefinition(aif_KestHeading(process, Model().Name()));
  AddKestOptionDefinition(aif_FemInput(process.OptimizationObject().InputBaseName()));
}
