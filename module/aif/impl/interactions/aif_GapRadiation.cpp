#include "aif/impl/interactions/aif_GapRadiation.h"

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"

namespace {

constexpr const char* kGapRadiationFile = "module/aif/impl/interactions/aif_GapRadiation.cpp";

}  // namespace

aif_GapRadiation::aif_GapRadiation(const kinC_InteractionProperty& property,
                                   const aif_ModelInfo& modelInfo)
    : property_(property), modelInfo_(&modelInfo) {}

void aif_GapRadiation::Write(utl_Stream& stream) const {
  const kinC_GapRadiation& radiation =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, kGapRadiationFile, __LINE__)
          .Get<kinC_GapRadiation>();
  stream << "*Gap Radiation";
  stream.LineBreak();
  stream << radiation.second << ", " << radiation.first;
  stream.LineBreak();
  stream << aif_DataLineTable(radiation.table, 0, 0);
}
