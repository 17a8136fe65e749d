#include "aif/impl/model/aif_TransformBuilder.h"

#include <map>
#include <vector>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "AttributesIntObj/asoK_AttributeUtils.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kbcK_CollectBCCsysRegionAndStep.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kloK_CollectLoadCsysRegionAndStep.h"
#include "OdbAttrEO/korC_IntegratedOutputSection.h"
#include "OdbAttrEO/kprK_CollectAMCCsysRegionAndStep.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/model/aif_Nset.h"
#include "aif/impl/model/aif_Orientation.h"
#include "aif/impl/model/aif_Transform.h"
#include "aif/impl/model/aif_TransformTermDatum.h"
#include "aif/impl/sections/aif_FeatureOwners.h"

namespace {

constexpr char kTransformBuilderFile[] = "module/aif/impl/model/aif_TransformBuilder.cpp";

using TransformAxis = ptoC_MaterialOrientation::axisEnm;

// What tells two datum references apart: the owners' names and the datum's
// name, joined by separators no name holds.
std::string TransformDatumKey(const dtmC_DatumRef& datum) {
  std::string key;
  for (const cow_String& owner : datum.owners) {
    key += owner.View();
    key += '\x1f';
  }
  key += '\x1e';
  key += datum.name.View();
  return key;
}

// The axis of a kernel axis code: 0 and 1 are the first and second axis, any
// other code the third.
TransformAxis TransformAxisOf(int code) {
  return code == 0   ? ptoC_MaterialOrientation::AXIS_1
         : code == 1 ? ptoC_MaterialOrientation::AXIS_2
                     : ptoC_MaterialOrientation::AXIS_3;
}

// Whether `features` holds a set named `name`.
bool TransformHasSet(const ftr_FeatureList& features, const cow_String& name) {
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const ftr_Feature* feature = features.Get(id);
    if (feature && feature->DynTypeId() == rgnF_Set::TypeId() && feature->Name() == name)
      return true;
  }
  return false;
}

// The region an equation term's set name gives: "Instance.Set" a set of the
// instance's part, any other name a set of the assembly. False when the
// instance or the set is not there.
bool TransformTermRegion(const asoK_Assembly& assembly, const cow_String& setName,
                         rgnC_Region& region) {
  const std::size_t dot = setName.Find('.');
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  if (dot == cow_String::npos || dot + 1 >= setName.Length()) {
    if (!TransformHasSet(features, setName)) return false;
    region = rgnC_Region(setName, {assembly.Name()});
    return true;
  }
  const cow_String instanceName(setName.View().substr(0, dot));
  const cow_String set(setName.View().substr(dot + 1));
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || instance->Name() != instanceName) continue;
    if (!TransformHasSet(instance->ConstGetPart().ConstGetFeatureList(), set)) return false;
    region = rgnC_Region(set, {assembly.Name(), instanceName});
    return true;
  }
  return false;
}

}  // namespace

aif_TransformBuilder::aif_TransformBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo) {}

aif_ModelInfo& aif_TransformBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_TransformBuilder::Build() {
  if (!Info().Assembly()) return;
  CollectTransformedRegions();
  AddNodalTransforms();
  AddConnectorOrientations();
  AddPointFastenerOrientations();
  AddConstraintAndConditionOrientations();
  AddLoadOrientations();
  AddFeatureOrientations();
}

bool aif_TransformBuilder::TakeName(const cow_String& key) {
  if (names_.IndexOf(key) >= 0) return false;
  names_.Append(key);
  return true;
}

void aif_TransformBuilder::AddDatumOrientation(const dtmC_DatumRef& datum, double angle,
                                               const cow_String& text, TransformAxis axis) {
  aif_ModelInfo& info = Info();
  const cow_String name = info.DatumCsysName(datum, angle, text);
  if (!TakeName(name)) return;
  AddAssemblyDefinition(
      aif_Orientation(info.Assembly(), datum, info.ModelName(), name, true, angle, axis, ""));
}

void aif_TransformBuilder::CollectTransformedRegions() {
  aif_ModelInfo& info = Info();
  const cow_String modelName = info.ModelName();
  cow_List<cow_String> objects, steps;
  kbcK_CollectBCCsysRegionAndStep(modelName, regions_, datums_, objects, steps);
  kprK_CollectAMCCsysRegionAndStep(modelName, regions_, datums_, objects, steps);
  kloK_CollectLoadCsysRegionAndStep(modelName, regions_, datums_, objects, steps);

  const asoK_Assembly& assembly = *info.Assembly();
  for (const auto& [name, constraint] : info.ModelAdapter().Constraints().ConstGetMap()) {
    if (constraint->Suppressed()) continue;
    const unsigned type = constraint->DynTypeId();
    if (type == kcoC_Equation::TypeId()) {
      const auto& equation =
          nex_canDynamicCastRef<const kcoC_Equation>(*constraint, kTransformBuilderFile, __LINE__);
      for (const kcoC_EquationTerm& term : equation.Terms()) {
        if (term.csysId == -1) continue;
        rgnC_Region region;
        if (!TransformTermRegion(assembly, term.setName, region)) continue;
        regions_.Append(region);
        datums_.Append(aif_TransformTermDatum::Of(assembly, term.csysId));
      }
    } else if (type == kcoC_MPC::TypeId()) {
      const auto& mpc =
          nex_canDynamicCastRef<const kcoC_MPC>(*constraint, kTransformBuilderFile, __LINE__);
      if (mpc.Datum().IsNullRef()) continue;
      for (const rgnC_Region* region : {&mpc.SlaveRegion(), &mpc.ControlPointRegion()}) {
        regions_.Append(*region);
        datums_.Append(mpc.Datum());
      }
    }
  }

  for (const auto& [name, section] : info.ModelAdapter().IntegratedOutputSections().ConstGetMap())
    if (!section->Orientation().IsNullRef())
      AddDatumOrientation(section->Orientation(), 0.0, cow_String(),
                          ptoC_MaterialOrientation::AXIS_1);
}

void aif_TransformBuilder::AddNodalTransforms() {
  aif_ModelInfo& info = Info();
  struct Gathered {
    std::size_t first = 0;
    cow_List<cow_String> members;
  };
  std::map<std::string, Gathered> byKey;
  for (std::size_t k = 0; k < regions_.Length() && k < datums_.Length(); ++k) {
    const std::string key = TransformDatumKey(datums_[k]);
    auto [entry, added] = byKey.try_emplace(key);
    if (added) entry->second.first = k;
    const cow_String member = aif_RegionName(regions_[k], info).QualifiedName(2);
    if (entry->second.members.IndexOf(member) < 0) entry->second.members.Append(member);
  }
  for (const auto& [key, gathered] : byKey) {
    const dtmC_DatumRef& datum = datums_[gathered.first];
    if (datum.IsNullRef()) continue;
    const cow_String setName =
        akw_MorvexName("_T-" + aif_UnquoteName(info.DatumCsysName(datum, 0.0, cow_String())), false)
            .Printable();
    const aif_Transform transform(info.Assembly(), datum, info.ModelName(), setName);
    // A datum system that does not resolve would leave a set that nothing
    // transforms: neither is written.
    if (!transform.Defines()) continue;
    AddAssemblyDefinition(aif_Nset(setName, gathered.members, info));
    AddAssemblyDefinition(transform);
    transformed_.insert(key);
  }
}

void aif_TransformBuilder::AddConnectorEnds(const ptoC_ConnectorOrientation& orientation) {
  const cow_String region = orientation.RegionRef().Name();
  if (!orientation.FirstDatum().IsNullRef())
    AddDatumOrientation(orientation.FirstDatum(), orientation.FirstAngle(), region + "-1",
                        orientation.FirstAxis());
  // A connector section names the second system when it has one and the
  // first does not orient both ends, or when the first is missing.
  if (!orientation.SecondDatum().IsNullRef() &&
      (!orientation.OneOrientation() || orientation.FirstDatum().IsNullRef()))
    AddDatumOrientation(orientation.SecondDatum(), orientation.SecondAngle(), region + "-2",
                        orientation.SecondAxis());
}

void aif_TransformBuilder::AddWireTransform(const ptoC_ConnectorOrientation& orientation) {
  aif_ModelInfo& info = Info();
  const dtmC_DatumRef& datum = orientation.FirstDatum();
  if (datum.IsNullRef()) return;
  const cow_String setName =
      akw_MorvexName("_T-" + aif_UnquoteName(info.DatumCsysName(datum, 0.0, cow_String())), false)
          .Printable();
  const aif_Transform transform(info.Assembly(), datum, info.ModelName(), setName);
  if (!transform.Defines()) return;
  const aif_Nset wires(info.Assembly(), orientation.RegionRef(), setName, true, 2, info);
  const aif_Nset lines(info.Assembly(), orientation.RegionRef(), setName, true, 1, info);
  if (wires.IsEmpty() && lines.IsEmpty()) return;
  if (!wires.IsEmpty()) AddAssemblyDefinition(wires);
  if (!lines.IsEmpty()) {
    AddAssemblyDefinition(aif_Comment("\n@DODOVE, object=discrete fastener"));
    AddAssemblyDefinition(lines);
  }
  // The nodes of every connector in one system are gathered under one set
  // name; the system is transformed once.
  if (transformed_.insert(TransformDatumKey(datum)).second) AddAssemblyDefinition(transform);
}

void aif_TransformBuilder::AddConnectorOrientations() {
  aif_ModelInfo& info = Info();
  const asoK_Assembly& assembly = *info.Assembly();
  const asoK_AttributeUtils::Attributes assignments = assembly.SectionAssignments();
  const auto& sections = info.ModelAdapter().Sections();
  const cow_String modelName = info.ModelName();
  for (const cow_COW<kern_Object>& attribute : assembly.ConnectorOrientations()) {
    const auto& orientation = nex_canDynamicCastRef<const ptoC_ConnectorOrientation>(
        *attribute, kTransformBuilderFile, __LINE__);
    int index = asoK_AttributeUtils::FindAttributeFromRegion(orientation.RegionRef(), &assembly,
                                                             modelName, assignments);
    // An assignment may name its orientation instead (after its wires).
    for (std::size_t i = 0; index < 0 && i < assignments.Length(); ++i) {
      if (assignments[i]->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
      const auto& named = static_cast<const ptoC_SectionAssignment&>(*assignments[i]);
      if (!named.OrientationName().IsEmpty() &&
          named.OrientationName() == orientation.RegionRef().Name())
        index = static_cast<int>(i);
    }
    if (index < 0) continue;
    const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
        *assignments[static_cast<std::size_t>(index)], kTransformBuilderFile, __LINE__);
    if (!sections.Contains(assignment.SectionName())) continue;
    const unsigned type = sections.ConstGet(assignment.SectionName()).DynTypeId();
    if (type == kseC_ConnectorSection::TypeId())
      AddConnectorEnds(orientation);
    else if (type == kseC_MPCSection::TypeId())
      AddWireTransform(orientation);
  }
}

void aif_TransformBuilder::AddPointFastenerOrientations() {
  aif_ModelInfo& info = Info();
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      info.Assembly()->ConstGetEngineeringFeatures(), kTransformBuilderFile, __LINE__);
  const auto& sections = info.ModelAdapter().Sections();
  for (const auto& [name, fastener] : features.Fasteners().ConstGetMap()) {
    if (fastener->DynTypeId() != kefC_PointFastener::TypeId()) continue;
    const auto& point =
        nex_canDynamicCastRef<const kefC_PointFastener>(*fastener, kTransformBuilderFile, __LINE__);
    if (!sections.Contains(point.connectorSection)) continue;
    const kseC_Section& section = sections.ConstGet(point.connectorSection);
    if (section.DynTypeId() != kseC_ConnectorSection::TypeId()) continue;
    nex_canDynamicCastRef<const kseC_ConnectorSection>(section, kTransformBuilderFile, __LINE__);
    // Oriented as the fastener's connector section is.
    ptoC_ConnectorOrientation orientation(point.Region());
    orientation.SetFirst(point.datum1, TransformAxisOf(point.axis1), point.angle1, false);
    if (point.singleDatum)
      orientation.SetOneOrientation(true);
    else
      orientation.SetSecond(point.datum2, TransformAxisOf(point.axis2), point.angle2, false);
    AddConnectorEnds(orientation);
  }
}

void aif_TransformBuilder::AddConstraintAndConditionOrientations() {
  const aif_Model& model = Info().ModelAdapter();
  for (const auto& [name, constraint] : model.Constraints().ConstGetMap()) {
    if (constraint->DynTypeId() != kcoC_Coupling::TypeId() || constraint->Suppressed()) continue;
    const auto& coupling =
        nex_canDynamicCastRef<const kcoC_Coupling>(*constraint, kTransformBuilderFile, __LINE__);
    if (!coupling.Datum().IsNullRef())
      AddDatumOrientation(coupling.Datum(), 0.0, cow_String(), ptoC_MaterialOrientation::AXIS_1);
  }
  for (const auto& [name, condition] : model.BoundaryConditions().ConstGetMap()) {
    if (condition->DynTypeId() != kbcC_EulerianMotionBC::TypeId() || condition->Suppressed())
      continue;
    const auto& motion = nex_canDynamicCastRef<const kbcC_EulerianMotionBC>(
        *condition, kTransformBuilderFile, __LINE__);
    if (!motion.Orientation().IsNullRef())
      AddDatumOrientation(motion.Orientation(), 0.0, cow_String(),
                          ptoC_MaterialOrientation::AXIS_1);
  }
}

void aif_TransformBuilder::AddLoadOrientations() {
  aif_ModelInfo& info = Info();
  for (const auto& [name, load] : info.ModelAdapter().Loads().ConstGetMap()) {
    if (load->Suppressed()) continue;
    const unsigned type = load->DynTypeId();
    if (type == kloC_InertiaRelief::TypeId()) {
      const auto& relief =
          nex_canDynamicCastRef<const kloC_InertiaRelief>(*load, kTransformBuilderFile, __LINE__);
      if (!relief.DatumRef().IsNullRef())
        AddDatumOrientation(relief.DatumRef(), 0.0, cow_String(), ptoC_MaterialOrientation::AXIS_1);
    } else if (type == kloC_SurfaceTraction::TypeId() || type == kloC_ShellEdgeLoad::TypeId()) {
      const auto& traction =
          nex_canDynamicCastRef<const kloC_Traction>(*load, kTransformBuilderFile, __LINE__);
      if (!traction.OrientationName().IsEmpty() || traction.DatumRef().IsNullRef()) continue;
      // Named as the load's "*Dsload" and "*Dload" lines name it: after the
      // load's name in the load repository.
      const double angle = traction.OrientationNumber();
      const cow_String orientationName = info.DatumCsysName(traction.DatumRef(), angle, name);
      if (!TakeName(orientationName)) continue;
      AddAssemblyDefinition(aif_Orientation(info.Assembly(), traction.DatumRef(), info.ModelName(),
                                            orientationName, true, angle,
                                            TransformAxisOf(traction.OrientationAxis())));
    }
  }
}

void aif_TransformBuilder::AddFeatureOrientations() {
  // The assembly first, then each part (or instance) as the spring and
  // inertia builders file their features.
  std::vector<aif_FeatureOwner> owners;
  aif_ForEachFeatureOwner(Info(), [&owners](const aif_FeatureOwner& owner) {
    if (owner.scope == aif_FeatureOwner::kAssembly)
      owners.insert(owners.begin(), owner);
    else
      owners.push_back(owner);
  });
  for (const aif_FeatureOwner& owner : owners)
    AddFeatureOrientations(owner);
}

void aif_TransformBuilder::AddFeatureOrientations(const aif_FeatureOwner& owner) {
  if (!owner.object->EngineeringFeaturesReady()) return;
  aif_ModelInfo& info = Info();
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      owner.object->ConstGetEngineeringFeatures(), kTransformBuilderFile, __LINE__);
  std::vector<const dtmC_DatumRef*> datums;
  for (const kefC_Inertia* inertia : aif_FeaturesByName(features.Inertias())) {
    if (inertia->DynTypeId() != kefC_PointMassInertia::TypeId()) continue;
    datums.push_back(&nex_canDynamicCastRef<const kefC_PointMassInertia>(
                          *inertia, kTransformBuilderFile, __LINE__)
                          .OrientationDatum());
  }
  for (const kefC_Spring* spring : aif_FeaturesByName(features.Springs()))
    datums.push_back(&spring->OrientationDatum());
  for (const auto& [name, fastener] : features.Fasteners().ConstGetMap())
    datums.push_back(&fastener->localCsys);

  const cow_String modelName = info.ModelName();
  for (const dtmC_DatumRef* datum : datums) {
    if (datum->IsNullRef()) continue;
    const cow_String fullName = dtmK_Datum(owner.object, modelName, *datum).GetFullName("-");
    if (owner.scope == aif_FeatureOwner::kAssembly) {
      // Keyed by the name written, which the other assembly orientations
      // share: a coupling and a fastener in one system name one orientation.
      const cow_String name = aif_FeatureOrientationName(fullName, cow_String(), owner.partBased);
      if (!TakeName(name)) continue;
      AddAssemblyDefinition(aif_Orientation(owner.object, *datum, modelName, name, true, 0.0,
                                            ptoC_MaterialOrientation::AXIS_1, ""));
      continue;
    }
    if (!TakeName(owner.instance + "." + fullName)) continue;
    gsl_Matrix transform;
    if (!owner.partBased) {
      const asoF_PartInstance* instance =
          asoF_Utils::ConstGetPartInstance(info.Assembly()->ConstGetFeatureList(), owner.id);
      if (instance) transform = instance->GetTransform();
    }
    const aif_Orientation orientation(
        owner.object, *datum, modelName,
        aif_FeatureOrientationName(fullName, owner.instance, owner.partBased), transform);
    if (owner.scope == aif_FeatureOwner::kPart)
      AddPartDefinition(owner.part, orientation);
    else
      AddInstanceDefinition(owner.instance, orientation);
  }
}
