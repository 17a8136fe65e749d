#include "aif/impl/constraints/aif_EmbeddedRegion.h"

#include <utility>

#include "OdbAttrEO/kcoC_EmbeddedRegion.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr const char* kEmbeddedRegionFile = "module/aif/impl/constraints/aif_EmbeddedRegion.cpp";
constexpr int kEmbeddedAssemblyScope = 2;
constexpr double kEmbeddedDefaultFractional = 0.05;
constexpr double kEmbeddedDefaultRoundoff = 1e-06;

}  // namespace

aif_EmbeddedRegion::aif_EmbeddedRegion(cow_String name, const kcoC_Constraint& constraint,
                                       const akw_ModelInfo& info)
    : name_(std::move(name)),
      constraint_(constraint),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kEmbeddedRegionFile, __LINE__)) {}

void aif_EmbeddedRegion::Write(utl_Stream& stream) const {
  const auto& embedded =
      nex_canDynamicCastRef<const kcoC_EmbeddedRegion>(*constraint_, kEmbeddedRegionFile, __LINE__);
  const cow_String host =
      aif_RegionName(embedded.HostRegion(), info_).QualifiedName(kEmbeddedAssemblyScope);
  const cow_String elements =
      aif_RegionName(embedded.EmbeddedRegion(), info_).QualifiedName(kEmbeddedAssemblyScope);
  const int method = embedded.ExteriorToleranceMethod();

  stream << "*Embedded Element";
  if (!host.IsEmpty()) stream << ", host elset=" << host;
  if ((method == kcoC_EmbeddedRegion::kAbsolute || method == kcoC_EmbeddedRegion::kBoth) &&
      embedded.AbsoluteExteriorTolerance() != 0.0)
    stream << ", absolute exterior tolerance=" << embedded.AbsoluteExteriorTolerance();
  if ((method == kcoC_EmbeddedRegion::kFractional || method == kcoC_EmbeddedRegion::kBoth) &&
      embedded.FractionalExteriorTolerance() != kEmbeddedDefaultFractional)
    stream << ", exterior tolerance=" << embedded.FractionalExteriorTolerance();
  if (embedded.RoundoffTolerance() != kEmbeddedDefaultRoundoff)
    stream << ", roundoff tolerance=" << embedded.RoundoffTolerance();
  stream << endl << elements << endl;
}
