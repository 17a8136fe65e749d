#include "aif/impl/interactions/aif_CosimulationControls.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_Cosimulation.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kCosimControlsFile[] = "module/aif/impl/interactions/aif_CosimulationControls.cpp";

// The text of `code` in `texts` (codes from 1), or null for a code outside
// the list.
template <int N>
const char* CosimCodeText(int code, const char* const (&texts)[N]) {
  return code >= 1 && code <= N ? texts[code - 1] : nullptr;
}

void WriteFsiControlOptions(utl_Stream& stream, const kinC_FSICosimulation& cosim) {
  static const char* const schemes[] = {"coupling scheme=gauss-seidel", "coupling scheme=jacobi"};
  static const char* const incrementations[] = {"time incrementation=subcycle",
                                                "time incrementation=lockstep"};
  static const char* const stepSizes[] = {"step size=import", "step size=export", "step size=max",
                                          "step size=min"};
  static const char* const modifiers[] = {"scheme modifier=lead", "scheme modifier=lag",
                                          "scheme modifier=send predictor",
                                          "scheme modifier=receive predictor"};
  constexpr int kGaussSeidel = 1;
  constexpr int kTimeMarksNo = 2;
  constexpr int kGivenStepSize = 5;

  if (const char* text = CosimCodeText(cosim.CouplingScheme(), schemes)) aif_Option(stream) << text;
  if (const char* text = CosimCodeText(cosim.TimeIncrementation(), incrementations))
    aif_Option(stream) << text;
  if (cosim.TimeMarks() != 0)
    aif_Option(stream) << "time marks=" << (cosim.TimeMarks() == kTimeMarksNo ? "no" : "yes");
  if (cosim.StepSizeKind() == kGivenStepSize)
    aif_Option(stream) << "step size=" << cosim.StepSize();
  else if (const char* text = CosimCodeText(cosim.StepSizeKind(), stepSizes))
    aif_Option(stream) << text;
  if (cosim.CouplingScheme() == kGaussSeidel) {
    if (const char* text = CosimCodeText(cosim.SchemeModifier(), modifiers))
      aif_Option(stream) << text;
  }
}

}  // namespace

aif_CosimulationControls::aif_CosimulationControls(const cow_COW<kinC_Interaction>& interaction,
                                                   const cow_String& name)
    : interaction_(interaction), name_(name) {}

void aif_CosimulationControls::Write(utl_Stream& stream) const {
  if (interaction_.IsNull()) return;
  const kinC_Interaction& interaction = *interaction_;
  const unsigned typeId = interaction.DynTypeId();
  stream << "*Co-simulation Controls, name=" << akw_MorvexName(ControlsName(name_), false);
  stream.OptionalLineBreak();
  if (typeId == kinC_StdXplCosimulation::TypeId()) {
    const auto& cosim = nex_canDynamicCastRef<const kinC_StdXplCosimulation>(
        interaction, kCosimControlsFile, __LINE__);
    constexpr int kLockstep = 2;
    constexpr int kStepSizeGiven = 1;
    stream << ", time incrementation="
           << (cosim.TimeIncrementation() == kLockstep ? "lockstep" : "subcycle");
    stream.OptionalLineBreak();
    if (cosim.StepSizeChoice() == kStepSizeGiven)
      aif_Option(stream) << "step size=" << cosim.StepSize();
  } else if (typeId == kinC_FSICosimulation::TypeId()) {
    WriteFsiControlOptions(stream, nex_canDynamicCastRef<const kinC_FSICosimulation>(
                                       interaction, kCosimControlsFile, __LINE__));
  }
  stream.LineBreak();
}
