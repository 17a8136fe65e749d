#include "aif/impl/interactions/aif_ModelChange.h"

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kModelChangeFile[] = "module/aif/impl/interactions/aif_ModelChange.cpp";

// The propagation status of an interaction deactivated in a step.
constexpr int kModelChangeDeactivated = 4;

}  // namespace

aif_ModelChange::aif_ModelChange(const cow_String& name, const kinC_Interaction& interaction,
                                 const cow_String& stepName, const aif_ModelInfo& info, bool remove)
    : remove_(remove),
      name_(name),
      interaction_(interaction),
      stepName_(stepName),
      modelInfo_(&info) {}

void aif_ModelChange::Write(utl_Stream& stream) const {
  const unsigned type = interaction_->DynTypeId();
  if (type == kinC_ModelChange::TypeId()) {
    WriteRegionChange(stream);
    return;
  }
  if (type != kinC_SurfaceToSurfaceContactStd::TypeId() && type != kinC_SelfContactStd::TypeId())
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             "*Model Change unimplemented for interaction %s.", name_)),
                         kModelChangeFile, __LINE__);
  const auto& pair = nex_canDynamicCastRef<const kinC_ContactPairInteraction>(
      *interaction_, kModelChangeFile, __LINE__);
  const bool removed = remove_ || pair.GetPropStatus(stepName_) == kModelChangeDeactivated;
  stream << "*Model Change, type=CONTACT PAIR" << (removed ? ", remove" : ", add");
  stream.LineBreak();
  if (type == kinC_SurfaceToSurfaceContactStd::TypeId())
    stream << aif_RegionName(pair.SecondSurface(), *modelInfo_).SetName(2) << ", "
           << aif_RegionName(pair.FirstSurface(), *modelInfo_).SetName(2);
  else
    stream << aif_RegionName(pair.FirstSurface(), *modelInfo_).SetName(2) << ", ";
  stream.LineBreak();
}

void aif_ModelChange::WriteRegionChange(utl_Stream& stream) const {
  const auto& change =
      nex_canDynamicCastRef<const kinC_ModelChange>(*interaction_, kModelChangeFile, __LINE__);
  if (change.Activation()) {
    stream << "*Model Change, activate";
    stream.LineBreak();
    return;
  }
  if (!change.HasStep(stepName_)) return;
  const auto& state = nex_canDynamicCastRef<const kinC_ModelChangeState>(
      change.ConstGetState(stepName_), kModelChangeFile, __LINE__);
  stream << "*Model Change";
  if (!state.Add().Value())
    stream << ", remove";
  else
    stream << ", add" << (state.WithStrain().Value() ? "=WITH STRAIN" : "");
  stream.LineBreak();
  stream << aif_RegionName(change.Region(), *modelInfo_).QualifiedName(2) << ", ";
  stream.LineBreak();
}
