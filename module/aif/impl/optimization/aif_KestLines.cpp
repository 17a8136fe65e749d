#include "aif/impl/optimization/aif_KestLines.h"

#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kopC_GeometricRestriction.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

const char* KestKindSuffix(unsigned kind) {
  switch (kind) {
    case aif_kKestTask:
      return "_TASK_";
    case aif_kKestObjectiveFunction:
      return "_OBJFUNC_";
    case aif_kKestConstraint:
      return "_CONSTRAINT_";
    case aif_kKestGeometricRestriction:
      return "_GEOMREST_";
    case aif_kKestStopCondition:
      return "_STOPCOND_";
    case aif_kKestDesignResponse:
      return "_DRESP_";
    case aif_kKestCsys:
      return "_CSYS_";
    default:
      return "_UNKNOWN_";
  }
}

// The kind bits of a region's flag word.
constexpr int kKestBitMixed1 = 1 << 1;
constexpr int kKestBitMixed2 = 1 << 2;
constexpr int kKestBitGeometry = 1 << 0;
constexpr int kKestBitSurface = 1 << 3;

bool KestIsPointSet(const rgnC_Region& region, const aif_ModelInfo& info) {
  return rgnK_Region(info.Assembly(), info.ModelName(), region).IsPointSet();
}

}  // namespace

cow_String aif_KestIdName(aif_ModelInfo& info, const cow_String& name, unsigned kind,
                          bool printable) {
  cow_Map<cow_String, unsigned>& identifiers = info.KestIdentifiers();
  cow_String id = name;
  if (const unsigned* owner = identifiers.Find(name)) {
    if (*owner != kind) id += KestKindSuffix(kind);
  } else {
    identifiers.Set(name, kind);
  }
  return printable ? akw_MorvexName(id, false).Printable() : id;
}

bool aif_KestCanElementGroup(const rgnC_Region& region, aif_ModelInfo& info) {
  const int flags = region.Flags();
  if (flags & kKestBitSurface) return false;
  if (flags & kKestBitMixed1) return true;
  const rgnK_Region kernel(info.Assembly(), info.ModelName(), region);
  return kernel.IsValid(true) && !kernel.IsPointSet();
}

bool aif_KestCanNodeGroup(const rgnC_Region& region, aif_ModelInfo& /*info*/) {
  const int flags = region.Flags();
  if (flags & kKestBitSurface) return false;
  return !(flags & kKestBitMixed1) || (flags & kKestBitGeometry) || (flags & kKestBitMixed2);
}

cow_String aif_KestGroupName(bool& isElement, const rgnC_Region& region, aif_ModelInfo& info,
                             bool noElements, bool noNodes) {
  isElement = noNodes;
  if (region == rgnC_Region()) {
    if (!noElements) {
      isElement = true;
      return "ALL_ELEMENTS";
    }
    if (!noNodes) {
      isElement = false;
      return "ALL_NODES";
    }
    return cow_String();
  }
  const int flags = region.Flags();
  bool suffix = false;
  if ((flags & kKestBitMixed1) && (flags & kKestBitMixed2))
    suffix = true;
  else if (flags & kKestBitGeometry)
    suffix = !KestIsPointSet(region, info);

  std::string base = aif_RegionName(region, info).QualifiedName(2).Str();
  for (char& c : base)
    if (c == ' ') c = '_';
  if (!noElements && aif_KestCanElementGroup(region, info)) {
    isElement = true;
    return suffix ? cow_String(base + "_ELEM") : cow_String(base);
  }
  if (!noNodes && aif_KestCanNodeGroup(region, info)) {
    isElement = false;
    return suffix ? cow_String(base + "_NODE") : cow_String(base);
  }
  return cow_String();
}

bool aif_KestGroupLine(const rgnC_Region& region, aif_ModelInfo& info, utl_Stream& stream,
                       bool noElements, bool noNodes, const cow_String& key) {
  bool isElement = false;
  const cow_String group = aif_KestGroupName(isElement, region, info, noElements, noNodes);
  if (group.IsEmpty()) return false;
  stream << "  ";
  if (!key.IsEmpty())
    stream << key;
  else
    stream << (isElement ? "EL_GROUP" : "ND_GROUP");
  stream << " = " << group << endl;
  return true;
}

bool aif_KestElementGroupLine(const rgnC_Region& region, aif_ModelInfo& info, utl_Stream& stream,
                              const cow_String& key) {
  return aif_KestGroupLine(region, info, stream, false, true, key);
}

bool aif_KestNodeGroupLine(const rgnC_Region& region, aif_ModelInfo& info, utl_Stream& stream,
                           const cow_String& key) {
  return aif_KestGroupLine(region, info, stream, true, false, key);
}

cow_String aif_KestCsysName(dtmC_DatumRef datum, aif_ModelInfo& info) {
  cow_String name;
  // A reference that names no datum has no CS_DEF block to refer to.
  if (!datum.IsNullRef() && dtmK_Datum(info.Assembly(), info.ModelName(), datum).IsValid()) {
    const cow_String csys = info.DatumCsysName(datum, 0.0, cow_String());
    if (!csys.IsEmpty()) name = aif_KestIdName(info, csys, aif_kKestCsys, true);
  }
  return name.IsEmpty() ? cow_String("CS_0") : name;
}

void aif_KestCsysLine(dtmC_DatumRef datum, aif_ModelInfo& info, utl_Stream& stream,
                      const cow_String& key) {
  stream << "  " << key << " = " << aif_KestCsysName(std::move(datum), info) << endl;
}

bool aif_KestIsShapeLink(unsigned typeId) {
  switch (typeId) {
    case kopC_StampControl::kTypeId:
    case kopC_DrillControl::kTypeId:
    case kopC_TurnControl::kTypeId:
    case kopC_ShapeDemoldControl::kTypeId:
    case kopC_ShapeRotationalSymmetry::kTypeId:
    case kopC_ShapePlanarSymmetry::kTypeId:
    case kopC_CheckSlide::kTypeId:
    case kopC_ShapePointSymmetry::kTypeId:
    case kopC_ShapeVector::kTypeId:
    case kopC_ShapeDirection::kTypeId:
    case kopC_ShapeLength::kTypeId:
      return true;
    default:
      return false;
  }
}

cow_String aif_KestCheckBCName(cow_String name) {
  return name + "_CHECK_BC_";
}

cow_String aif_KestTaskName(const aif_ModelInfo& info, const char* suffix) {
  return akw_MorvexName(info.Model().OptimizationText() + suffix, false).Printable();
}
