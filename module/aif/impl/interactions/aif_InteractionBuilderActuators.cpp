// The actuator/sensor pass of the interaction builder: each actuator or
// sensor of a Standard analysis becomes a user element ("*User Element" in
// the part or instance that holds its region), a one-node element of that
// type, and the node and element sets "<region>_AS_" in the assembly, the
// set its "*Uel Property" names.
#include <optional>

#include "AFCInputFileWriter/akw_Model.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/conditions/aif_InitialConditionBuilder.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif/impl/interactions/aif_UserElement.h"
#include "aif/impl/model/aif_Element.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/model/aif_Nset.h"

namespace {

constexpr char kActuatorSensorFile[] =
    "module/aif/impl/interactions/aif_InteractionBuilderActuators.cpp";

// Where an actuator or sensor is written: its region's nodes by instance
// id, the first instance its region touches (the assembly's own nodes have
// the assembly's id), and whether its keywords go to that instance's part
// (a lightweight instance of a part-based file).
struct ActuatorSensorPlace {
  cow_Map<int, cow_List<int>> nodes;
  int instanceId = 0;
  cow_String instanceName;
  bool partLevel = false;
  cow_String partName;
};

// The place of `actuator`, or none when its region no longer resolves or
// its part instances are gone. A region without nodes cannot carry the
// element: an aif_Exception naming the interaction.
std::optional<ActuatorSensorPlace> FindActuatorSensorPlace(const aif_ModelInfo& info,
                                                           const cow_String& name,
                                                           const kinC_ActuatorSensor& actuator) {
  const rgnK_Region region(info.Assembly(), info.ModelName(), actuator.Region());
  if (!region.IsValid(true) || !region.OriginalPartInstancesStillExist()) return std::nullopt;
  ActuatorSensorPlace place;
  region.GetNodeIds(place.nodes, 1000, info.NodeLabelsUsable(), false, true);
  const cow_List<int>* first = place.nodes.IsEmpty() ? nullptr : &place.nodes.begin()->second;
  if (!first || first->IsEmpty())
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The actuator/sensor %s has no node in its region; its user element cannot be "
            "written.",
            name)),
        kActuatorSensorFile, __LINE__);
  place.instanceId = place.nodes.begin()->first;
  place.instanceName = info.FeatureName(static_cast<unsigned>(place.instanceId));
  const asoF_PartInstance* instance =
      info.Assembly() ? asoF_Utils::ConstGetPartInstance(info.Assembly()->ConstGetFeatureList(),
                                                         static_cast<unsigned>(place.instanceId))
                      : nullptr;
  place.partLevel = instance && info.IsLightweightInstance(*instance);
  if (place.partLevel) place.partName = instance->GetPartName();
  return place;
}

// Calls `visit` with the name, the interaction and the place of each
// unsuppressed actuator or sensor of `info`'s model that has a place, in the
// container's order.
template <class Visit>
void VisitActuatorSensors(const aif_ModelInfo& info, Visit visit) {
  const auto& interactions = info.ModelAdapter().Interactions();
  for (const cow_String& name : interactions.Keys()) {
    const kinC_Interaction& interaction = interactions.ConstGet(name);
    if (interaction.Suppressed() || interaction.DynTypeId() != kinC_ActuatorSensor::TypeId())
      continue;
    const auto& actuator = nex_canDynamicCastRef<const kinC_ActuatorSensor>(
        interaction, kActuatorSensorFile, __LINE__);
    const std::optional<ActuatorSensorPlace> place = FindActuatorSensorPlace(info, name, actuator);
    if (place) visit(name, actuator, *place);
  }
}

}  // namespace

void aif_InteractionBuilder::AddActuatorSensorDefinition(int instanceId, bool partLevel,
                                                         const cow_String& part,
                                                         const cow_String& instance,
                                                         const akw_Keyword& keyword) {
  if (instanceId == static_cast<int>(ftr_kAssemblyId))
    AddAssemblyDefinition(keyword);
  else if (partLevel)
    AddPartDefinition(part, keyword);
  else
    AddInstanceDefinition(instance, keyword);
}

void aif_InteractionBuilder::WriteActuatorSensors() {
  if (Info().AnalysisProduct() != kprC_STANDARD) return;
  const aif_Model& model = Info().ModelAdapter();
  // Two actuators or sensors on one region would define one "_AS_" set
  // twice: refused, naming both.
  cow_Map<cow_String, cow_String> ownerOfSet;
  VisitActuatorSensors(Info(), [&](const cow_String& name, const kinC_ActuatorSensor& actuator,
                                   const ActuatorSensorPlace& place) {
    const cow_String setName = aif_ActuatorSensorSetName(Info(), actuator.Region());
    if (const cow_String* other = ownerOfSet.Find(setName))
      nex_Exception::Throw(
          aif_Exception(atr_TranslateFormat3(
              "The actuators/sensors %s and %s share the region %s; each needs a region of "
              "its own.",
              *other, name, setName)),
          kActuatorSensorFile, __LINE__);
    ownerOfSet.Set(setName, name);
    auto file = [&](const akw_Keyword& keyword) {
      AddActuatorSensorDefinition(place.instanceId, place.partLevel, place.partName,
                                  place.instanceName, keyword);
    };
    file(aif_Comment("Interaction = " + name + ", Type: Actuator/Sensor"));
    const cow_COW<kinC_Interaction> handle(actuator);
    if (actuator.PropertyName().IsEmpty()) {
      file(aif_UserElement(handle));
    } else {
      const auto& property = nex_canDynamicCastRef<const kinC_ActuatorSensorProp>(
          model.InteractionProperties().ConstGet(actuator.PropertyName()), kActuatorSensorFile,
          __LINE__);
      file(aif_UserElement(handle, property));
    }
  });
  WriteActuatorSensorSets();
}

void aif_InteractionBuilder::WriteActuatorSensorSets() {
  VisitActuatorSensors(Info(), [&](const cow_String& /*name*/, const kinC_ActuatorSensor& actuator,
                                   const ActuatorSensorPlace& place) {
    const cow_String setName = aif_ActuatorSensorSetName(Info(), actuator.Region());
    AddAssemblyDefinition(aif_Nset(setName, place.nodes, true, Info()));
    const int nodeLabel =
        place.nodes.begin()->second[0] + Info().AssyNodeOffsetsID(place.instanceId);
    const int elementLabel = Info().NextElementLabel(place.instanceName);
    AddActuatorSensorDefinition(
        place.instanceId, place.partLevel, place.partName, place.instanceName,
        aif_Element(elementLabel, nodeLabel, actuator.ElementType(), cow_String()));
    cow_Map<int, cow_List<int>> elements;
    elements.Modify(place.instanceId)
        .Append(elementLabel - Info().AssyElementOffsetsID(place.instanceId));
    AddAssemblyDefinition(aif_Elset(setName, elements, true, Info()));
  });
}
