#include "aif/impl/constraints/aif_FastenerBuilder.h"

#include <cstdint>
#include <optional>
#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_Coupling.h"
#include "aif/impl/constraints/aif_Distributing.h"
#include "aif/impl/constraints/aif_Fastener.h"
#include "aif/impl/constraints/aif_FastenerProperty.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/sections/aif_AddConnectorBehaviorKeywords.h"
#include "aif/impl/sections/aif_FastenerPfName.h"
#include "aif/impl/sections/aif_NewConnectorSection.h"

namespace {

constexpr char kFastenerBuilderFile[] = "module/aif/impl/constraints/aif_FastenerBuilder.cpp";
// The vertex-surface pairs of attachment vertices on the assembly and on parts.
constexpr char kFastenerAssemblySurfaces[] = "_INT-ATTSETSURF-ASSY-";
constexpr char kFastenerPartSurfaces[] = "_INT-ATTSETSURF-PART-";

// The surface `pairs` name for vertex `vertex`; empty without pairs or name.
cow_String FastenerEndSurface(const cow_Map<int, cow_String>* pairs, int vertex) {
  const cow_String* name = pairs ? pairs->Find(vertex) : nullptr;
  return name ? *name : cow_String();
}

// The kernel's axis number of a connector orientation: 0 and 1 as they are,
// anything else the third axis.
ptoC_ConnectorOrientation::axisEnm FastenerOrientationAxis(int axis) {
  if (axis == 0) return ptoC_MaterialOrientation::AXIS_1;
  if (axis == 1) return ptoC_MaterialOrientation::AXIS_2;
  return ptoC_MaterialOrientation::AXIS_3;
}

}  // namespace

aif_ModelInfo& aif_FastenerBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_FastenerBuilder::Build() {
  BuildFasteners(Info().Assembly());
}

void aif_FastenerBuilder::BuildFasteners(const asoK_Assembly* assembly) {
  if (!assembly || !assembly->EngineeringFeaturesReady()) return;
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      assembly->ConstGetEngineeringFeatures(), kFastenerBuilderFile, __LINE__);
  // The assembly's attachment lines with the nodes of both ends (absent:
  // discrete fasteners get their banners only).
  const asoK_AttachmentTree *lines = nullptr, *single = nullptr;
  Info().AttachmentNodeNumbers(ftr_kAssemblyId, lines, single);
  cow_Btree<int, int> writtenNodes;
  for (const auto& [name, fastener] : features.Fasteners().ConstGetMap()) {
    if (fastener->Suppressed()) continue;
    const cow_String printable = akw_MorvexName(name, false).Printable();
    const unsigned type = fastener->DynTypeId();
    if (type == kefC_PointFastener::TypeId()) {
      PointFastener(name, printable,
                    nex_canDynamicCastRef<const kefC_PointFastener>(*fastener, kFastenerBuilderFile,
                                                                    __LINE__));
    } else if (type == kefC_DiscreteFastener::TypeId()) {
      DiscreteFastener(name,
                       nex_canDynamicCastRef<const kefC_DiscreteFastener>(
                           *fastener, kFastenerBuilderFile, __LINE__),
                       *assembly, lines, writtenNodes);
    }
  }
}

// The banner, then per attachment line and end a coupling of the end's node
// to the surface it attaches to. A node is coupled once per file: the
// written-node set is shared by every discrete fastener of the call.
void aif_FastenerBuilder::DiscreteFastener(const cow_String& name,
                                           const kefC_DiscreteFastener& fastener,
                                           const asoK_Assembly& assembly,
                                           const asoK_AttachmentTree* lines,
                                           cow_Btree<int, int>& writtenNodes) {
  aif_ModelInfo& info = Info();
  AddAssemblyDefinition(aif_Comment(cow_String("\nDISCRETE FASTENER: ") + name));

  kcoC_Coupling coupling;
  coupling.SetDatum(fastener.localCsys);
  coupling.SetInfluenceRadius(fastener.radiusOfInfluence);
  coupling.SetDof(4, fastener.ur1);
  coupling.SetDof(5, fastener.ur2);
  coupling.SetDof(6, fastener.ur3);
  const int method = static_cast<int>(fastener.weightingMethod);
  if (method >= kcoC_Coupling::kUniform && method <= kcoC_Coupling::kCubic)
    coupling.SetWeightingMethod(method);
  if (fastener.coupling == kefC_CouplingEnum::STRUCTURAL)
    coupling.SetCouplingType(kcoC_Coupling::kStructural);

  cow_List<gml_InstanceGC> attached;
  cow_List<cow_String> endNames1, endNames2;
  CollectAttachmentLines(assembly, rgnK_Region(&assembly, info.ModelName(), fastener.Region()),
                         attached, endNames1, endNames2);
  const cow_String base = cow_String("_") + name + "_";
  if (!lines) return;
  for (std::size_t i = 0; i < attached.Length(); ++i) {
    const asoK_AttachmentRecord* record = lines->Find(attached[i].component.index);
    if (!record) continue;
    const cow_String number(std::to_string(i + 1));
    for (int end = 1; end <= 2; ++end) {
      const cow_String& surface = end == 1 ? endNames1[i] : endNames2[i];
      const int label = end == 1 ? record->end1.label : record->end2.label;
      // A label of 0 names no node: the coupling would fall back on kernel
      // regions it does not have and be written without node or surface.
      if (surface.IsEmpty() || label <= 0 || !writtenNodes.Set(label, 1)) continue;
      AddAssemblyDefinition(
          aif_Comment(cow_String("\n@DODOVE, object=discrete fastener, name=") + name));
      // The whole name is made printable once, by the keyword.
      AddAssemblyDefinition(aif_Coupling(base + number + (end == 1 ? "_end1" : "_end2"), coupling,
                                         info, static_cast<std::uint32_t>(label), surface));
      AddAssemblyDefinition(aif_Distributing(coupling));
    }
  }
}

void aif_FastenerBuilder::CollectAttachmentLines(const asoK_Assembly& assembly,
                                                 const rgnK_Region& region,
                                                 cow_List<gml_InstanceGC>& lines,
                                                 cow_List<cow_String>& endNames1,
                                                 cow_List<cow_String>& endNames2) {
  lines.Clear();
  endNames1.Clear();
  endNames2.Clear();
  aif_ModelInfo& info = Info();
  cow_List<std::optional<gdy_GeomHitRecord>> records;
  region.GetGeomHitRecords(records, false);
  for (const std::optional<gdy_GeomHitRecord>& record : records) {
    if (!record) continue;
    const unsigned id = record->GetInstanceId();
    const rgnC_GeomComponent* component = nullptr;
    const cow_Map<int, cow_String>* pairs = nullptr;
    if (id == ftr_kAssemblyId) {
      component = brp_GetGC(assembly.EvaluatedBody(), record->GetComponentIndex());
      info.VertexSurfaceName(id, assembly.ConstGetFeatureList(), kFastenerAssemblySurfaces, pairs);
    } else {
      const asoF_PartInstance* instance =
          asoF_Utils::ConstGetPartInstance(assembly.ConstGetFeatureList(), id);
      if (!instance) continue;
      const ptoK_Part& part = asoK_Assembly::GetOriginalPart(*instance);
      component = brp_GetGC(part.EvaluatedBody(), record->GetComponentIndex());
      info.VertexSurfaceName(id, part.ConstGetFeatureList(), kFastenerPartSurfaces, pairs);
    }
    if (!component || !gml_IsAttachmentLine(*component)) continue;
    lines.Append(gml_InstanceGC{id, *component});
    endNames1.Append(FastenerEndSurface(pairs, component->ends[0].vertexIndex));
    endNames2.Append(FastenerEndSurface(pairs, component->ends[1].vertexIndex));
  }
}

void aif_FastenerBuilder::PointFastener(const cow_String& name, const cow_String& printable,
                                        const kefC_PointFastener& fastener) {
  aif_ModelInfo& info = Info();
  AddAssemblyDefinition(aif_Comment(cow_String("\nPOINT-BASED FASTENER: ") + name));
  AddAssemblyDefinition(aif_FastenerProperty(printable, fastener.ur1, fastener.ur2, fastener.ur3,
                                             fastener.physicalRadius, fastener.mass));
  cow_List<cow_String> surfaces;
  for (const rgnC_Region& surface : fastener.GetTargetSurfaces())
    if (!(surface == rgnC_Region())) surfaces.Append(aif_RegionName(surface, info).SetName(2));
  const cow_String orientation = fastener.localCsys.IsNullRef()
                                     ? cow_String()
                                     : info.DatumCsysName(fastener.localCsys, 0.0, cow_String());
  const cow_String referenceNodes = aif_RegionName(fastener.Region(), info).QualifiedName(2);
  const cow_String elements =
      fastener.elementSetIndicator == 0 ? ConnectorElements(name, fastener) : cow_String();
  AddAssemblyDefinition(
      aif_Fastener(fastener, name, printable, referenceNodes, elements, surfaces, orientation));
}

// The connector elements' set, with their "*Connector Section" filed when
// the fastener's section is a connector section of the model.
cow_String aif_FastenerBuilder::ConnectorElements(const cow_String& name,
                                                  const kefC_PointFastener& fastener) {
  const cow_String elements = aif_FastenerPfName(name);
  const auto& sections = Info().ModelAdapter().Sections();
  const cow_String& sectionName = fastener.connectorSection;
  if (!sections.Contains(sectionName)) return elements;
  const kseC_Section& section = sections.ConstGet(sectionName);
  if (section.DynTypeId() != kseC_ConnectorSection::TypeId()) return elements;
  const auto& connector =
      nex_canDynamicCastRef<const kseC_ConnectorSection>(section, kFastenerBuilderFile, __LINE__);
  ptoC_ConnectorOrientation orientation(fastener.Region());
  orientation.SetFirst(fastener.datum1, FastenerOrientationAxis(fastener.axis1), fastener.angle1,
                       false);
  if (fastener.singleDatum)
    orientation.SetOneOrientation(true);
  else
    orientation.SetSecond(fastener.datum2, FastenerOrientationAxis(fastener.axis2), fastener.angle2,
                          false);
  AddAssemblyDefinition(
      aif_NewConnectorSection(sectionName, elements, &section, orientation, &Info(), false));
  if (!connectorSections_.Find(sectionName)) {
    connectorSections_.Set(sectionName, 1);
    aif_AddConnectorBehaviorKeywords(*this, sectionName, connector);
  }
  return elements;
}
