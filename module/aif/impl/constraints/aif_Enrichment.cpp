#include "aif/impl/constraints/aif_Enrichment.h"

#include <cfloat>

#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kEnrichmentFile[] = "module/aif/impl/constraints/aif_Enrichment.cpp";
constexpr int kEnrichmentAssemblyScope = 2;

}  // namespace

aif_Enrichment::aif_Enrichment(const kefC_XFEMCrack& crack, const cow_String& name,
                               akw_ModelInfo* info)
    : crack_(&crack), name_(name), info_(info) {}

void aif_Enrichment::Write(utl_Stream& stream) const {
  const auto& info = nex_canDynamicCastRef<aif_ModelInfo>(*info_, kEnrichmentFile, __LINE__);
  const kefC_XFEMCrack& crack = *crack_;
  const cow_String name = aif_PrintableName(name_);
  const cow_String domain =
      aif_RegionName(crack.CrackDomain(), info).QualifiedName(kEnrichmentAssemblyScope);
  const cow_String interaction =
      crack.InteractionName().IsEmpty() ? cow_String() : aif_PrintableName(crack.InteractionName());

  stream << "*Enrichment, name=" << name
         << (crack.AllowGrowth() ? ", type=PROPAGATION CRACK" : ", type=STATIONARY CRACK")
         << ", elset=" << domain;
  if (!interaction.IsEmpty()) aif_Option(stream) << "interaction=" << interaction;
  if (crack.EnrichmentRadius() != DBL_MAX)
    aif_Option(stream) << "enrichment radius=" << crack.EnrichmentRadius();
  stream.LineBreak();
}
