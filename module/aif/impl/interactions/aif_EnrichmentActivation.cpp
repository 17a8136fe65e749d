#include "aif/impl/interactions/aif_EnrichmentActivation.h"

#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kEnrichmentActivationFile[] =
    "module/aif/impl/interactions/aif_EnrichmentActivation.cpp";

}  // namespace

aif_EnrichmentActivation::aif_EnrichmentActivation(const kinC_XFEMCrackGrowth& interaction,
                                                   const cow_String& stepName)
    : interaction_(interaction), stepName_(stepName) {}

void aif_EnrichmentActivation::Write(utl_Stream& stream) const {
  if (!interaction_.HasStep(stepName_)) return;
  const auto& state = nex_canDynamicCastRef<const kinC_XFEMCrackGrowthState>(
      interaction_.ConstGetState(stepName_), kEnrichmentActivationFile, __LINE__);
  stream << "*Enrichment Activation, name=" << aif_PrintableName(interaction_.CrackName())
         << (state.Active().Value() ? ", activate=ON" : ", activate=OFF");
  stream.LineBreak();
}
