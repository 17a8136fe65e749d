#include "aif/impl/optimization/aif_LinkShape.h"

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kopC_GeometricRestriction.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivGeom/gsl_Util.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_KestLines.h"

namespace {

constexpr char kLinkShapeFile[] = "module/aif/impl/optimization/aif_LinkShape.cpp";

// The CLIENT word of each kind, and which lines follow it.
struct LinkShapeKind {
  unsigned typeId;
  const char* client;  // null: by the vector mode
  const char* directionKey;
  bool tolerances;
  bool angle;
  bool undercut;
};

constexpr LinkShapeKind kLinkShapeKinds[] = {
    {kopC_StampControl::kTypeId, "SURF_STAMP", "CLIENT_DIR", true, true, true},
    {kopC_DrillControl::kTypeId, "SURF_DRILL", "CLIENT_DIR", true, true, true},
    {kopC_TurnControl::kTypeId, "SURF_TURN", "CLIENT_DIR", true, false, false},
    {kopC_ShapeDemoldControl::kTypeId, "SURF_DEMOLD", "DEMOLD_DIR", true, true, true},
    {kopC_ShapeRotationalSymmetry::kTypeId, "ROTATION_SYM", "CLIENT_DIR", true, true, false},
    {kopC_ShapePlanarSymmetry::kTypeId, "PLANE_SYM", "CLIENT_DIR", true, false, false},
    {kopC_ShapePointSymmetry::kTypeId, "POINT_SYM", nullptr, true, false, false},
    {kopC_ShapeVector::kTypeId, nullptr, nullptr, false, false, false},
    {kopC_ShapeDirection::kTypeId, "DIRECTION", nullptr, false, false, false},
    {kopC_ShapeLength::kTypeId, "LENGTH", nullptr, false, false, false},
};

const LinkShapeKind* FindLinkShapeKind(unsigned typeId) {
  for (const LinkShapeKind& kind : kLinkShapeKinds)
    if (kind.typeId == typeId) return &kind;
  return nullptr;
}

const char* LinkShapeOnOff(bool on) {
  return on ? "ON" : "OFF";
}

}  // namespace

void aif_LinkShape::Write(utl_Stream& stream) const {
  const unsigned typeId = restriction_.DynTypeId();
  const LinkShapeKind* kind = FindLinkShapeKind(typeId);
  if (!kind && typeId != kopC_CheckSlide::kTypeId)
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             "Unimplemented LinkShape input file writing command for %s", name_)),
                         kLinkShapeFile, __LINE__);
  const auto& r = nex_canDynamicCastRef<const kopC_ShapeLinkRestriction>(restriction_,
                                                                         kLinkShapeFile, __LINE__);
  // A master of an unknown kind would leave the MASTER line without a value.
  if (kind && (r.MasterKind() < 0 || r.MasterKind() > 2))
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The master of the shape restriction %s is of an unknown kind.", name_)),
        kLinkShapeFile, __LINE__);
  // A node-group master whose region gives no node group would leave
  // "MASTER = NDGR, " without a group.
  const rgnC_Region* master = nullptr;
  if (!kind) {
    const auto& slide = nex_canDynamicCastRef<const kopC_CheckSlide>(r, kLinkShapeFile, __LINE__);
    master = slide.SlideMode() == 0 ? &slide.SlideMasterRegion() : &slide.FreeFormRegion();
  } else if (r.MasterKind() == 2) {
    master = &r.MasterRegion();
  }
  bool isElement = false;
  if (master && aif_KestGroupName(isElement, *master, info_, true, false).IsEmpty())
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The master region of the shape restriction %s gives no node group.", name_)),
        kLinkShapeFile, __LINE__);

  aif_KestBlock block(stream, "LINK_SHAPE");
  block.Line("ID_NAME", name_);
  const auto tolerances = [&] {
    block.Key("TOL") << r.Tolerance1() << ", " << r.Tolerance2() << ", " << r.Tolerance3() << endl;
  };
  if (!kind) {
    const auto& slide = nex_canDynamicCastRef<const kopC_CheckSlide>(r, kLinkShapeFile, __LINE__);
    if (slide.SlideMode() == 0) {
      WriteMaster(stream, 2, slide.SlideMasterRegion());
      block.Line("CLIENT", "SURF_TURN");
      WriteDirection(stream, "CLIENT_DIR", slide.Direction(), false);
      aif_KestCsysLine(slide.Csys(), info_, stream, "CS");
      tolerances();
    } else {
      block.Key("MASTER") << "NDGR, ";
      stream << aif_KestGroupName(isElement, slide.FreeFormRegion(), info_, true, false) << endl;
      block.Line("CLIENT", "FREE_FORM");
    }
    block.End();
    return;
  }

  WriteMaster(stream, r.MasterKind(), r.MasterRegion());
  if (kind->client) {
    block.Line("CLIENT", kind->client);
  } else {
    const auto& vector = nex_canDynamicCastRef<const kopC_ShapeVector>(r, kLinkShapeFile, __LINE__);
    if (vector.VectorMode() == 0)
      block.Key("CLIENT") << "VECTOR, " << LinkShapeOnOff(vector.Component1()) << ", "
                          << LinkShapeOnOff(vector.Component2()) << ", "
                          << LinkShapeOnOff(vector.Component3()) << endl;
    else if (vector.VectorMode() == 1)
      block.Line("CLIENT", "DIRECTION");
    else if (vector.VectorMode() == 2)
      block.Line("CLIENT", "LENGTH");
  }
  const bool demold = typeId == kopC_ShapeDemoldControl::kTypeId;
  if (kind->directionKey) WriteDirection(stream, kind->directionKey, r.Direction(), demold);
  aif_KestCsysLine(r.Csys(), info_, stream, "CS");
  if (kind->tolerances) tolerances();
  if (demold) {
    const auto& control =
        nex_canDynamicCastRef<const kopC_ShapeDemoldControl>(r, kLinkShapeFile, __LINE__);
    aif_KestNodeGroupLine(
        control.CheckRegion() == rgnC_Region() ? r.Region() : control.CheckRegion(), info_, stream,
        "CHECK_GROUP");
  }
  if (kind->angle) block.Line("ANGLE", r.Angle());
  if (kind->undercut) block.Line("UNDERCUT_TOL", r.UndercutTolerance());
  block.End();
}

void aif_LinkShape::WriteMaster(utl_Stream& stream, int kind, const rgnC_Region& region) const {
  aif_KestBlock block = aif_KestBlock::Continue(stream);
  if (kind == 0) {
    block.Line("MASTER", "CRIT_1");
  } else if (kind == 1) {
    block.Line("MASTER", "CRIT_2");
  } else {
    bool isElement = false;
    block.Key("MASTER") << "NDGR, " << aif_KestGroupName(isElement, region, info_, true, false)
                        << endl;
  }
}

void aif_LinkShape::WriteDirection(utl_Stream& stream, const char* key,
                                   const gsl_ModelSegment& segment, bool skipShort) const {
  const gsl_Vector direction = segment.Direction();
  if (skipShort && direction.Magnitude() < gsl_Util::Instance().LengthTolerance()) return;
  aif_KestBlock::Continue(stream).Key(key)
      << direction.UnitX() << ", " << direction.UnitY() << " , " << direction.UnitZ() << endl;
}
