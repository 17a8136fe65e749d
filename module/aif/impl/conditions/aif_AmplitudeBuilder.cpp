#include "aif/impl/conditions/aif_AmplitudeBuilder.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "BasCoreUtils/VZLBasUtlFilePath.h"
#include "BasShared/atr_String.h"
#include "MSVCR90/rt_Runtime.h"
#include "OdbCore/ddb_DdbContainer.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/conditions/aif_Amplitude.h"
#include "aif/impl/conditions/aif_BaselineCorrection.h"
#include "aif/impl/conditions/aif_PsdDefinition.h"
#include "aif/impl/conditions/aif_Spectrum.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_ResultsLookup.h"

namespace {

constexpr char kAmplitudeBuilderFile[] = "module/aif/impl/conditions/aif_AmplitudeBuilder.cpp";

std::string UpperAmplitudeName(const cow_String& name) {
  std::string text = name.Str();
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// The amplitude names the restarted job's results hold. Throws aif_Exception
// when its results file is absent.
cow_List<cow_String> OldAmplitudeNames(const aif_Model& model) {
  const cow_String path = VZLBasUtlFilePath(model.RestartJobName() + ".odb", cow_String())
                              .Portable()
                              .AbsolutePathName();
  if (rt_access(path.CStr(), 0) != 0)
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg("Missing .odb file %s for restart job.", path)),
        kAmplitudeBuilderFile, __LINE__);
  const aif_ResultsLookup results(path);
  return results.Ddb().ConstGetModel("Default Model").AmplitudeNames();
}

}  // namespace

void aif_AmplitudeBuilder::Build() {
  const auto& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  const aif_Model& model = info.ModelAdapter();
  // Without amplitudes there is nothing to compare with the earlier job.
  if (model.Amplitudes().ConstGetMap().IsEmpty()) return;
  cow_List<cow_String> oldNames;
  const bool restart = info.IsRestart();
  if (restart) oldNames = OldAmplitudeNames(model);

  for (const auto& [name, amplitude] : model.Amplitudes().ConstGetMap()) {
    if (restart && oldNames.IsMember(cow_String(UpperAmplitudeName(name)))) continue;
    // A name the file cannot carry stops the write rather than break lines.
    aif_CheckWritableName(name, "amplitude");
    const unsigned kind = amplitude->DynTypeId();
    if (kind == kamC_PsdDefinition::TypeId())
      AddModelDefinition(aif_PsdDefinition(name, *amplitude));
    else if (kind == kamC_SpectrumAmplitude::TypeId())
      AddModelDefinition(aif_Spectrum(name, *amplitude));
    else
      AddModelDefinition(aif_Amplitude(name, *amplitude));

    if (kind == kamC_Tabular::TypeId()) {
      const auto& tabular =
          nex_canDynamicCastRef<const kamC_Tabular>(*amplitude, kAmplitudeBuilderFile, __LINE__);
      if (tabular.HasBaselineCorrection())
        AddModelDefinition(aif_BaselineCorrection(tabular.BaselineCorrection()));
    } else if (kind == kamC_EquallySpaced::TypeId()) {
      const auto& spaced = nex_canDynamicCastRef<const kamC_EquallySpaced>(
          *amplitude, kAmplitudeBuilderFile, __LINE__);
      if (spaced.HasBaselineCorrection())
        AddModelDefinition(aif_BaselineCorrection(spaced.BaselineCorrection()));
    }
  }
}
