#include "aif/impl/interactions/aif_PressurePenetration.h"

#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "BasShared/cow_Error.h"
#include "OdbAttrEO/kinC_PressurePenetration.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kPressurePenetrationFile[] =
    "module/aif/impl/interactions/aif_PressurePenetration.cpp";

// The propagation status of an interaction deactivated in a step.
constexpr int kPenetrationDeactivated = 4;

// The parts of a complex value: form 0 holds them as given, other forms
// through their conversion.
double PenetrationReal(const kinC_Complex& value) {
  return value.Form() == 0 ? value.Value().Real() : value.Value().ConvertedReal();
}
double PenetrationImag(const kinC_Complex& value) {
  return value.Form() == 0 ? value.Value().Imag() : value.Value().ConvertedImag();
}

// Whether `stepName` is a perturbation step of the model.
bool IsPenetrationPerturbationStep(const aif_ModelInfo& info, const cow_String& stepName) {
  const auto* step =
      dynamic_cast<const kprC_AnalysisStep*>(&info.ModelAdapter().Steps().ConstGet(stepName));
  return step && step->Perturbation();
}

enum PenetrationPass { kPenetrationPlain, kPenetrationReal, kPenetrationImaginary };

}  // namespace

aif_PressurePenetration::aif_PressurePenetration(const cow_String& stepName,
                                                 const cow_COW<kinC_Interaction>& interaction,
                                                 bool keepOp, const aif_ModelInfo& info)
    : keepOp_(keepOp), stepName_(stepName), interaction_(interaction), info_(&info) {}

void aif_PressurePenetration::Write(utl_Stream& stream) const {
  const auto& penetration = nex_canDynamicCastRef<const kinC_PressurePenetration>(
      *interaction_, kPressurePenetrationFile, __LINE__);
  const kprC_PropagatingState quad = penetration.ConstGetStateQuad(stepName_);
  if (!quad.state)
    throw cow_OutOfRange("pressure penetration state: no state in step " +
                         std::string(stepName_.Str()));
  const auto& state = nex_canDynamicCastRef<const kinC_PressurePenetrationState>(
      *quad.state, kPressurePenetrationFile, __LINE__);
  const aif_Model& model = info_->ModelAdapter();
  const unsigned procedureType = model.Steps().ConstGet(stepName_).DynTypeId();
  const bool perturbation = IsPenetrationPerturbationStep(*info_, stepName_);
  const bool useAmplitude = state.UseAmplitude(procedureType);
  const bool deactivated = penetration.GetPropStatus(stepName_) == kPenetrationDeactivated;

  // Everything that can fail is settled before the first byte is written.
  const auto& contact = nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactStd>(
      model.Interactions().ConstGet(penetration.ContactInteraction()), kPressurePenetrationFile,
      __LINE__);
  const cow_String master = aif_RegionName(contact.FirstSurface(), *info_).SetName(2);
  const cow_String slave = aif_RegionName(contact.SecondSurface(), *info_).SetName(2);

  const bool complex = penetration.ComplexLoading();
  const cow_List<rgnC_Region>& regions = penetration.PenetrationRegions();
  const cow_List<rgnC_Region>& partners = penetration.PartnerRegions();
  const cow_List<double>& pressures = state.FirstValues().Value();
  const cow_List<double>& critical = state.SecondValues().Value();
  const cow_List<kinC_Complex>& values = penetration.ComplexValues();
  const std::size_t count = regions.Length();
  if (!deactivated &&
      (critical.Length() < count || (complex ? values.Length() : pressures.Length()) < count))
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The pressure penetration %s has fewer pressure values than penetration regions.",
            penetration.Name())),
        kPressurePenetrationFile, __LINE__);
  cow_List<cow_String> regionNames;
  cow_List<cow_String> partnerNames;
  if (!deactivated) {
    regionNames.Reserve(count);
    partnerNames.Reserve(count);
    const rgnC_Region none;
    for (std::size_t i = 0; i < count; ++i) {
      regionNames.Append(aif_RegionName(regions[i], *info_).QualifiedName(2));
      partnerNames.Append(i < partners.Length() && !(partners[i] == none)
                              ? aif_RegionName(partners[i], *info_).QualifiedName(2)
                              : cow_String());
    }
  }

  bool real = false;
  bool imaginary = false;
  if (complex) {
    for (const kinC_Complex& value : values) {
      if (PenetrationReal(value) != 0.0) real = true;
      if (PenetrationImag(value) != 0.0) imaginary = true;
    }
    if (!real && !imaginary) real = imaginary = true;
  }
  cow_List<int> passes;
  if (!complex) passes.Append(kPenetrationPlain);
  if (real) passes.Append(kPenetrationReal);
  if (imaginary) passes.Append(kPenetrationImaginary);

  for (const int pass : passes) {
    stream << "*Pressure Penetration, master=" << master;
    aif_Option(stream) << "slave=" << slave;
    if (!keepOp_) stream << ", op=NEW";
    if (deactivated) {
      stream.LineBreak();
      return;
    }
    const cow_String& amplitude = state.Amplitude().Value();
    if (useAmplitude && !amplitude.IsEmpty())
      stream << ", amplitude=" << akw_MorvexName(amplitude, false);
    if (!perturbation) stream << ", penetration time=" << state.PenetrationTime().Value();
    if (pass == kPenetrationReal) stream << ", real";
    if (pass == kPenetrationImaginary) stream << ", imaginary";
    stream.LineBreak();

    for (std::size_t i = 0; i < count; ++i) {
      double pressure = 0.0;
      if (pass == kPenetrationPlain)
        pressure = pressures[i];
      else if (pass == kPenetrationReal)
        pressure = PenetrationReal(values[i]);
      else
        pressure = PenetrationImag(values[i]);
      stream << regionNames[i] << ", " << partnerNames[i] << ", " << pressure << ", "
             << critical[i];
      stream.LineBreak();
    }
  }
}
