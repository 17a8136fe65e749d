#include "aif/impl/interactions/aif_ContactPair.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kContactPairFile[] = "module/aif/impl/interactions/aif_ContactPair.cpp";

// The kernel's defaults, left out of the keyword line.
constexpr double kContactPairDefaultSmoothing = 0.2;
constexpr double kContactPairDefaultExtensionZone = 0.1;

// The pair's state in `step` as a `State`, or null when the interaction has
// no state there. A state of another kind fails the type test.
template <class State>
const State* ContactPairState(const kinC_Interaction& interaction, const cow_String& step,
                              int line) {
  if (!interaction.HasStep(step)) return nullptr;
  return &nex_canDynamicCastRef<const State>(interaction.ConstGetState(step), kContactPairFile,
                                             line);
}

// Whether an explicit pair is in place in the step: it has a state there,
// switched on and not marked deactivated.
bool ContactPairInPlace(const kinC_ContactPairState* state) {
  return state && !state->Deactivated() && state->Active().Value();
}

// ", mechanical constraint=" and the constraint's name.
void WriteContactPairConstraint(utl_Stream& stream, int constraint) {
  stream << ", mechanical constraint=" << (constraint == 1 ? "PENALTY" : "KINEMATIC");
}

// The supplementary-constraints option (1 NO, 2 YES; 0 writes nothing).
void WriteContactPairSupplementary(utl_Stream& stream, int choice) {
  if (choice == 1)
    aif_Option(stream) << "supplementary constraints=NO";
  else if (choice == 2)
    aif_Option(stream) << "supplementary constraints=YES";
}

// The Standard pair's state in `step`: the pair is defined from it, so an
// interaction without one there throws aif_Exception naming it.
template <class State>
const State& StandardPairState(const kinC_Interaction& interaction, const cow_String& name,
                               const cow_String& step, int line) {
  const State* state = ContactPairState<State>(interaction, step, line);
  if (!state)
    nex_Exception::Throw(
        aif_Exception(atr_TranslateFormat(
            "The interaction %s has no state in step %s, so its contact pair cannot be written.",
            name, step)),
        kContactPairFile, line);
  return *state;
}

}  // namespace

aif_ContactPair::aif_ContactPair(const cow_String& name, const kinC_Interaction& interaction,
                                 const cow_String& stepName, const aif_ModelInfo& info,
                                 bool writeCpset, const cow_String& geometricCorrection)
    : name_(name),
      stepName_(stepName),
      geometricCorrection_(geometricCorrection),
      interaction_(interaction),
      modelInfo_(&info),
      writeCpset_(writeCpset) {}

cow_String aif_ContactPair::SurfaceName(const rgnC_Region& region) const {
  return aif_RegionName(region, *modelInfo_).SetName(2);
}

void aif_ContactPair::Write(utl_Stream& stream) const {
  // Names the file cannot carry are refused before anything is written.
  if (interaction_->HasStep(stepName_)) {
    const auto* state =
        dynamic_cast<const kinC_ContactPairState*>(&interaction_->ConstGetState(stepName_));
    if (state && !state->InteractionProperty().Value().IsEmpty())
      aif_CheckWritableName(state->InteractionProperty().Value(), "interaction property");
  }
  if (writeCpset_) aif_CheckWritableName(name_, "contact pair");
  const unsigned type = interaction_->DynTypeId();
  if (type == kinC_SurfaceToSurfaceContactStd::TypeId())
    WriteSurfaceToSurfaceStd(stream);
  else if (type == kinC_SurfaceToSurfaceContactXpl::TypeId())
    WriteSurfaceToSurfaceXpl(stream);
  else if (type == kinC_SelfContactStd::TypeId())
    WriteSelfStd(stream);
  else if (type == kinC_SelfContactXpl::TypeId())
    WriteSelfXpl(stream);
  else if (type != kinC_ElasticFoundation::TypeId())
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg("Unimplemented interaction type for %s", name_)),
        kContactPairFile, __LINE__);
}

void aif_ContactPair::WriteSurfaceToSurfaceStd(utl_Stream& stream) const {
  const auto& pair = nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactStd>(
      *interaction_, kContactPairFile, __LINE__);
  const auto* state =
      &StandardPairState<kinC_SurfaceToSurfaceContactStdState>(pair, name_, stepName_, __LINE__);
  stream << "*Contact Pair, interaction="
         << akw_MorvexName(state->InteractionProperty().Value(), false);
  const bool smallSliding = pair.SlidingFormulation() == 0;
  if (smallSliding) aif_Option(stream) << "small sliding";
  if (pair.Discretization() == 1) {
    aif_Option(stream) << "type=SURFACE TO SURFACE";
    if (!pair.Thickness()) aif_Option(stream) << "no thickness";
    if (pair.SlidingFormulation() == 1 && pair.Tracking() == 0)
      aif_Option(stream) << "tracking=STATE";
  } else {
    if (pair.Smoothing() != kContactPairDefaultSmoothing)
      aif_Option(stream) << "smooth=" << pair.Smoothing();
    if (smallSliding && !pair.Thickness()) aif_Option(stream) << "no thickness";
  }
  if (pair.Discretization() == 0 || smallSliding)
    WriteContactPairSupplementary(stream, pair.SupplementaryConstraints());
  if (!pair.HcritDefault()) aif_Option(stream) << "hcrit=" << pair.Hcrit();
  if (pair.ExtensionZone() != kContactPairDefaultExtensionZone)
    aif_Option(stream) << "extension zone=" << pair.ExtensionZone();
  switch (pair.AdjustMethod()) {
    case 1:
      aif_Option(stream) << "adjust=0.0";
      break;
    case 2:
      aif_Option(stream) << "adjust=" << pair.AdjustTolerance();
      break;
    case 3:
      aif_Option(stream) << "adjust="
                         << aif_RegionName(pair.AdjustRegion(), *modelInfo_).QualifiedName(2);
      break;
    default:
      break;
  }
  if (pair.Tied()) aif_Option(stream) << "tied";
  if (writeCpset_) aif_Option(stream) << "cpset=" << akw_MorvexName(name_, false);
  if (!geometricCorrection_.IsEmpty())
    aif_Option(stream) << "geometric correction=" << geometricCorrection_;
  stream.LineBreak();
  stream << SurfaceName(pair.SecondSurface()) << ", " << SurfaceName(pair.FirstSurface());
  stream.LineBreak();
}

void aif_ContactPair::WriteSurfaceToSurfaceXpl(utl_Stream& stream) const {
  const auto& pair = nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactXpl>(
      *interaction_, kContactPairFile, __LINE__);
  const auto* state =
      ContactPairState<kinC_SurfaceToSurfaceContactXplState>(pair, stepName_, __LINE__);
  stream << "*Contact Pair";
  if (ContactPairInPlace(state)) {
    if (state->Active().IsModified()) stream << ", op=ADD";
    stream << ", interaction=" << akw_MorvexName(state->InteractionProperty().Value(), false);
    WriteContactPairConstraint(stream, pair.MechanicalConstraint());
    if (pair.Weighting() == 1) stream << ", weight=" << pair.Weight();
    if (pair.SlidingFormulation() == 0) stream << ", small sliding";
  } else {
    stream << ", op=DELETE";
  }
  if (writeCpset_) stream << ", cpset=" << akw_MorvexName(name_, false);
  if (!geometricCorrection_.IsEmpty())
    aif_Option(stream) << "geometric correction=" << geometricCorrection_;
  stream.LineBreak();
  stream << SurfaceName(pair.FirstSurface()) << ", " << SurfaceName(pair.SecondSurface());
  stream.LineBreak();
}

void aif_ContactPair::WriteSelfStd(utl_Stream& stream) const {
  const auto& pair =
      nex_canDynamicCastRef<const kinC_SelfContactStd>(*interaction_, kContactPairFile, __LINE__);
  const auto* state =
      &StandardPairState<kinC_SelfContactStdState>(pair, name_, stepName_, __LINE__);
  stream << "*Contact Pair, interaction="
         << akw_MorvexName(state->InteractionProperty().Value(), false);
  if (writeCpset_) stream << ", cpset=" << akw_MorvexName(name_, false);
  if (pair.Discretization() == 1) {
    aif_Option(stream) << "type=SURFACE TO SURFACE";
    if (!pair.Thickness()) aif_Option(stream) << "no thickness";
    if (pair.Tracking() == 0) aif_Option(stream) << "tracking=STATE";
  } else {
    if (pair.Smoothing() != kContactPairDefaultSmoothing)
      aif_Option(stream) << "smooth=" << pair.Smoothing();
    WriteContactPairSupplementary(stream, pair.SupplementaryConstraints());
  }
  stream.LineBreak();
  stream << SurfaceName(pair.FirstSurface()) << ",";
  stream.LineBreak();
}

void aif_ContactPair::WriteSelfXpl(utl_Stream& stream) const {
  const auto& pair =
      nex_canDynamicCastRef<const kinC_SelfContactXpl>(*interaction_, kContactPairFile, __LINE__);
  const auto* state = ContactPairState<kinC_SelfContactXplState>(pair, stepName_, __LINE__);
  stream << "*Contact Pair";
  if (ContactPairInPlace(state)) {
    if (state->Active().IsModified()) stream << ", op=ADD";
    stream << ", interaction=" << akw_MorvexName(state->InteractionProperty().Value(), false);
    WriteContactPairConstraint(stream, pair.MechanicalConstraint());
    if (writeCpset_) stream << ", cpset=" << akw_MorvexName(name_, false);
  } else {
    stream << ", op=DELETE";
  }
  stream.LineBreak();
  stream << SurfaceName(pair.FirstSurface()) << ",";
  stream.LineBreak();
}
