#include "aif/impl/optimization/aif_GeometricRestrictionBuilder.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/optimization/aif_DvconShape.h"
#include "aif/impl/optimization/aif_DvconTopo.h"
#include "aif/impl/optimization/aif_KestComment.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif/impl/optimization/aif_LinkShape.h"
#include "aif/impl/optimization/aif_LinkTopo.h"

namespace {

constexpr char kGeometricRestrictionBuilderFile[] =
    "module/aif/impl/optimization/aif_GeometricRestrictionBuilder.cpp";

// The blocks a restriction kind gets.
enum class RestrictionBlocks { kNone, kDvconTopo, kDvconShape, kLinkShape, kTopologySymmetry };

RestrictionBlocks RestrictionBlocksOf(unsigned kind) {
  switch (kind) {
    case kopC_FrozenArea::kTypeId:
    case kopC_TopologyMemberSize::kTypeId:
    case kopC_TopologyDemoldControl::kTypeId:
      return RestrictionBlocks::kDvconTopo;
    case kopC_ShapeMemberSize::kTypeId:
    case kopC_FixedRegion::kTypeId:
    case kopC_Growth::kTypeId:
    case kopC_PenetrationCheck::kTypeId:
      return RestrictionBlocks::kDvconShape;
    case kopC_TopologyRotationalSymmetry::kTypeId:
    case kopC_TopologyCyclicSymmetry::kTypeId:
    case kopC_TopologyPlanarSymmetry::kTypeId:
    case kopC_TopologyPointSymmetry::kTypeId:
      return RestrictionBlocks::kTopologySymmetry;
    default:
      return aif_KestIsShapeLink(kind) ? RestrictionBlocks::kLinkShape : RestrictionBlocks::kNone;
  }
}

}  // namespace

void aif_GeometricRestrictionBuilder::Build() {
  const kopC_Task* task = Task();
  if (!task) return;
  for (const auto& [name, object] : task->GeometricRestrictions().ConstGetMap()) {
    if (object->Suppressed()) continue;
    const auto& restriction = nex_canDynamicCastRef<const kopC_GeometricRestriction>(
        *object, kGeometricRestrictionBuilderFile, __LINE__);
    AddModelDefinition(aif_KestComment::Banner("Geometric Restriction: ", name));
    const cow_String link = akw_MorvexName(name + "_LINK_", false).Printable();
    switch (RestrictionBlocksOf(restriction.DynTypeId())) {
      case RestrictionBlocks::kDvconTopo:
        AddModelDefinition(aif_DvconTopo(Info(), restriction, name, link));
        break;
      case RestrictionBlocks::kDvconShape:
        AddModelDefinition(aif_DvconShape(Info(), restriction, name));
        break;
      case RestrictionBlocks::kLinkShape:
        // Its only block: OPTIMIZE names no DVCON for it.
        AddModelDefinition(aif_LinkShape(Info(), restriction, link));
        break;
      case RestrictionBlocks::kTopologySymmetry:
        // The DVCON_TOPO that OPTIMIZE names, checking the link it names.
        AddModelDefinition(aif_DvconTopo(Info(), restriction, name, link));
        AddModelDefinition(aif_LinkTopo(Info(), restriction, link));
        break;
      case RestrictionBlocks::kNone:
        nex_Exception::Throw(
            aif_Exception(atr_TranslateWithArg(
                "Unimplemented geometric restriction input file writing method %s", name)),
            kGeometricRestrictionBuilderFile, __LINE__);
    }
  }
}
