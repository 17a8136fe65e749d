#include "aif/impl/constraints/aif_Coupling.h"

#include <cstring>
#include <string>
#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr const char* kCouplingFile = "module/aif/impl/constraints/aif_Coupling.cpp";
constexpr int kCouplingAssemblyScope = 2;

}  // namespace

aif_Coupling::aif_Coupling(cow_String name, const kcoC_Constraint& constraint,
                           const akw_ModelInfo& info)
    : name_(std::move(name)),
      constraint_(constraint),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kCouplingFile, __LINE__)) {}

aif_Coupling::aif_Coupling(cow_String name, const kcoC_Constraint& constraint,
                           const akw_ModelInfo& info, std::uint32_t refNodeLabel,
                           cow_String surfaceName)
    : name_(std::move(name)),
      constraint_(constraint),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kCouplingFile, __LINE__)),
      refNodeLabel_(refNodeLabel),
      surfaceName_(std::move(surfaceName)) {}

aif_Coupling::aif_Coupling(cow_String name, const kcoC_Constraint& constraint,
                           const akw_ModelInfo& info, cow_String refNodeSetName,
                           cow_String surfaceName)
    : name_(std::move(name)),
      constraint_(constraint),
      refNodeSetName_(std::move(refNodeSetName)),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kCouplingFile, __LINE__)),
      surfaceName_(std::move(surfaceName)) {}

void aif_Coupling::Write(utl_Stream& stream) const {
  const auto& coupling =
      nex_canDynamicCastRef<const kcoC_Coupling>(*constraint_, kCouplingFile, __LINE__);

  // The names, made before the keyword line starts, so that a coupling whose
  // regions the kernel no longer finds writes nothing. Each is printable
  // already.
  cow_String refNode, surface;
  const char* refNodeOption = "ref node=";
  if (refNodeLabel_ != 0) {
    refNode = cow_String(std::to_string(refNodeLabel_));
    surface = akw_MorvexName(surfaceName_, false).Printable();
  } else if (!refNodeSetName_.IsEmpty()) {
    refNodeOption = "ref node set=";
    refNode = aif_PrintableName(refNodeSetName_);
    surface = aif_PrintableName(surfaceName_);
  } else {
    const cow_String modelName = info_.ModelName();
    const rgnK_Region point(info_.Assembly(), modelName, coupling.ControlPointRegion());
    const rgnK_Region face(info_.Assembly(), modelName, coupling.SurfaceRegion());
    const char* message = nullptr;
    if (!point.IsValid(true))
      message = "The reference point of the coupling %s no longer exists.";
    else if (!face.IsValid(true))
      message = "The surface of the coupling %s no longer exists.";
    if (message)
      nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(message, name_)), kCouplingFile,
                           __LINE__);
    refNode =
        aif_RegionName(coupling.ControlPointRegion(), info_).QualifiedName(kCouplingAssemblyScope);
    surface = aif_RegionName(coupling.SurfaceRegion(), info_).SetName(kCouplingAssemblyScope);
  }

  // Long names (generated ones of assembled fasteners run to twice a model
  // name) carry the line on after an option rather than past the longest
  // line the solver reads.
  stream << "*Coupling, constraint name=" << akw_MorvexName(name_, false);
  aif_Option(stream, std::strlen(refNodeOption) + refNode.Length()) << refNodeOption << refNode;
  aif_Option(stream, std::strlen("surface=") + surface.Length()) << "surface=" << surface;
  if (coupling.InfluenceRadius() != kcoC_Coupling::kUnsetRadius)
    aif_Option(stream) << "influence radius=" << coupling.InfluenceRadius();
  if (!coupling.Datum().IsNullRef())
    aif_Option(stream) << "orientation="
                       << info_.DatumCsysName(coupling.Datum(), 0.0, cow_String());
  stream << endl;
}
