#include "aif/impl/interactions/aif_GapHeatGeneration.h"

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr const char* kGapHeatGenerationFile =
    "module/aif/impl/interactions/aif_GapHeatGeneration.cpp";

}  // namespace

aif_GapHeatGeneration::aif_GapHeatGeneration(const kinC_InteractionProperty& property,
                                             const aif_ModelInfo& modelInfo)
    : property_(property), modelInfo_(&modelInfo) {}

void aif_GapHeatGeneration::Write(utl_Stream& stream) const {
  const kinC_GapHeatGeneration& generation = nex_canDynamicCastRef<const kinC_ContactProperty>(
                                                 *property_, kGapHeatGenerationFile, __LINE__)
                                                 .Get<kinC_GapHeatGeneration>();
  stream << "*Gap Heat Generation";
  stream.LineBreak();
  stream << generation.first << ", " << generation.second;
  stream.LineBreak();
}
