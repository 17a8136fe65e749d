#include "aif/impl/optimization/aif_DvconShape.h"

#include <cfloat>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kopC_GeometricRestriction.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr char kDvconShapeFile[] = "module/aif/impl/optimization/aif_DvconShape.cpp";

const char* DvconShapeFix(bool fixed) {
  return fixed ? "FIX" : "FREE";
}

}  // namespace

void aif_DvconShape::Write(utl_Stream& stream) const {
  const unsigned kind = restriction_.DynTypeId();
  if (kind != kopC_ShapeMemberSize::kTypeId && kind != kopC_FixedRegion::kTypeId &&
      kind != kopC_Growth::kTypeId && kind != kopC_PenetrationCheck::kTypeId)
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             "Unimplemented dvconshape input file writer method for %s", name_)),
                         kDvconShapeFile, __LINE__);
  const auto& r = nex_canDynamicCastRef<const kopC_KestGeometricRestriction>(
      restriction_, kDvconShapeFile, __LINE__);

  aif_KestBlock block(stream, "DVCON_SHAPE");
  block.Line("ID_NAME", aif_KestIdName(info_, name_, aif_kKestGeometricRestriction));
  aif_KestNodeGroupLine(r.Region(), info_, stream);
  if (kind == kopC_ShapeMemberSize::kTypeId) {
    const auto& size =
        nex_canDynamicCastRef<const kopC_ShapeMemberSize>(r, kDvconShapeFile, __LINE__);
    if (size.SizeMode() == 0)
      block.Key("CHECK_MIN_MEM") << size.Size() << ", CRIT_1" << endl;
    else if (size.SizeMode() == 1)
      block.Key("CHECK_MAX_MEM") << size.Size() << ", CRIT_1" << endl;
  } else if (kind == kopC_FixedRegion::kTypeId) {
    const auto& fixed = nex_canDynamicCastRef<const kopC_FixedRegion>(r, kDvconShapeFile, __LINE__);
    block.Key("CHECK_DOF") << aif_KestCsysName(fixed.Csys(), info_) << ", "
                           << DvconShapeFix(fixed.Fixed1()) << ", " << DvconShapeFix(fixed.Fixed2())
                           << ", " << DvconShapeFix(fixed.Fixed3()) << endl;
  } else if (kind == kopC_Growth::kTypeId) {
    const auto& growth = nex_canDynamicCastRef<const kopC_Growth>(r, kDvconShapeFile, __LINE__);
    if (growth.GrowthLimit() != DBL_MAX) block.Line("CHECK_GROW", growth.GrowthLimit());
    if (growth.ShrinkLimit() != DBL_MAX) block.Line("CHECK_SHRINK", growth.ShrinkLimit());
  } else {
    const auto& check =
        nex_canDynamicCastRef<const kopC_PenetrationCheck>(r, kDvconShapeFile, __LINE__);
    aif_KestElementGroupLine(check.PenetratedRegion(), info_, stream, "CHECK_ELGR");
  }
  block.Line("FEASIBLE_START", r.FeasibleStart() ? "YES" : "NO");
  block.End();
}
