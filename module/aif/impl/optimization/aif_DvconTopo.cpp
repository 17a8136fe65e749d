#include "aif/impl/optimization/aif_DvconTopo.h"

#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kopC_GeometricRestriction.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr char kDvconTopoFile[] = "module/aif/impl/optimization/aif_DvconTopo.cpp";
constexpr int kDvconTopoSurface = 3;
constexpr int kDvconTopoPoint = 5;
constexpr const char* kDvconTopoMidPlanes[] = {"NONE", "AUTO", "AUTO_TIGHT", "SURFACE", "STAMP"};

bool DvconTopoIsSymmetry(unsigned kind) {
  return kind == kopC_TopologyRotationalSymmetry::kTypeId ||
         kind == kopC_TopologyCyclicSymmetry::kTypeId ||
         kind == kopC_TopologyPlanarSymmetry::kTypeId ||
         kind == kopC_TopologyPointSymmetry::kTypeId;
}

}  // namespace

void aif_DvconTopo::Write(utl_Stream& stream) const {
  const unsigned kind = restriction_.DynTypeId();
  if (kind != kopC_FrozenArea::kTypeId && kind != kopC_TopologyMemberSize::kTypeId &&
      kind != kopC_TopologyDemoldControl::kTypeId && !DvconTopoIsSymmetry(kind))
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             "Unimplemented dvcontopo input file writer for %s", name_)),
                         kDvconTopoFile, __LINE__);
  const auto& r = nex_canDynamicCastRef<const kopC_KestGeometricRestriction>(
      restriction_, kDvconTopoFile, __LINE__);

  aif_KestBlock block(stream, "DVCON_TOPO");
  block.Line("ID_NAME", aif_KestIdName(info_, name_, aif_kKestGeometricRestriction));
  aif_KestElementGroupLine(r.Region(), info_, stream);
  if (kind == kopC_FrozenArea::kTypeId) {
    block.Line("CHECK_TYPE", "FROZEN");
  } else if (kind == kopC_TopologyMemberSize::kTypeId) {
    const auto& size =
        nex_canDynamicCastRef<const kopC_TopologyMemberSize>(r, kDvconTopoFile, __LINE__);
    if (size.SizeKind() == 0) {
      block.Line("CHECK_TYPE", "MIN_MEMBER");
      block.Line("THICKNESS", size.MinThickness());
    } else if (size.SizeKind() == 1 || size.SizeKind() == 2) {
      block.Line("CHECK_TYPE", "MAX_MEMBER");
      block.Line("THICKNESS", size.MaxThickness());
      if (size.SizeKind() == 2) {
        block.Line("MIN_THICKNESS", size.MinThickness());
        block.Line("DISTANCE", size.Distance());
      }
    }
  } else if (kind == kopC_TopologyDemoldControl::kTypeId) {
    const auto& demold =
        nex_canDynamicCastRef<const kopC_TopologyDemoldControl>(r, kDvconTopoFile, __LINE__);
    const int technique = demold.MidPlaneTechnique();
    block.Line("CHECK_TYPE", "CAST");
    if (technique != kDvconTopoSurface) {
      const gsl_Vector pull = demold.PullDirection().Direction();
      block.Key("PULL_DIR") << pull.UnitX() << ", " << pull.UnitY() << " , " << pull.UnitZ()
                            << endl;
    }
    block.Line("ANGLE", demold.Angle());
    aif_KestElementGroupLine(
        demold.CheckRegion() == rgnC_Region() ? r.Region() : demold.CheckRegion(), info_, stream,
        "CHECK_GROUP");
    block.Key("MID_PLANE");
    if (technique >= 0 && technique < kDvconTopoPoint) {
      stream << kDvconTopoMidPlanes[technique];
    } else if (technique == kDvconTopoPoint) {
      cow_List<gsl_Point> points;
      const rgnK_Region region(info_.Assembly(), info_.ModelName(), demold.MidPlanePointRegion());
      if (rgnK_GetGslPointFromRegion(region, points) && points.Length() == 1)
        stream << "POINT, " << static_cast<float>(points[0].x) << ", "
               << static_cast<float>(points[0].y) << ", " << static_cast<float>(points[0].z);
    }
    stream << endl;
    if (technique != kDvconTopoSurface) aif_KestCsysLine(r.Csys(), info_, stream, "PULL_CS");
    block.Line("CREATE_PULL_GROUP", demold.CreatePullGroup() ? "YES" : "NO");
  } else {
    block.Line("CHECK_TYPE", "LINK_TOPO");
    block.Line("CHECK_LINK", linkName_);
  }
  block.End();
}
