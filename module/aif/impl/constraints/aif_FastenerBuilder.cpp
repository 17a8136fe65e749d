#include "aif/impl/constraints/aif_FastenerBuilder.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "QivBasicUtils/nex_Exception.h"
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
  for (const auto& [name, fastener] : features.Fasteners().ConstGetMap()) {
    if (fastener->Suppressed()) continue;
    const cow_String printable = akw_MorvexName(name, false).Printable();
    const unsigned type = fastener->DynTypeId();
    if (type == kefC_PointFastener::TypeId()) {
      PointFastener(name, printable,
                    nex_canDynamicCastRef<const kefC_PointFastener>(*fastener, kFastenerBuilderFile,
                                                                    __LINE__));
    } else if (type == kefC_DiscreteFastener::TypeId()) {
      nex_canDynamicCastRef<const kefC_DiscreteFastener>(*fastener, kFastenerBuilderFile, __LINE__);
      AddAssemblyDefinition(aif_Comment(cow_String("\nDISCRETE FASTENER: ") + name));
    }
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
