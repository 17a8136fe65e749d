#include "aif/impl/interactions/aif_ContactInterference.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kInterferenceFile[] = "module/aif/impl/interactions/aif_ContactInterference.cpp";

bool IsStandardSurfaceContact(const cow_COW<kinC_Interaction>& interaction) {
  return !interaction.IsNull() &&
         interaction->DynTypeId() == kinC_SurfaceToSurfaceContactStd::TypeId();
}

}  // namespace

aif_ContactInterference::aif_ContactInterference(const cow_COW<kinC_Interaction>& interaction,
                                                 const cow_String& stepName,
                                                 const aif_ModelInfo& info,
                                                 const kinC_InterferenceData& interference)
    : stepName_(stepName), interaction_(interaction), info_(&info), interference_(interference) {}

bool aif_ContactInterference::IsEmpty() const {
  return IsStandardSurfaceContact(interaction_) && interference_.interferenceType.Value() == 0;
}

void aif_ContactInterference::Write(utl_Stream& stream) const {
  if (IsEmpty() || !IsStandardSurfaceContact(interaction_)) return;
  const auto& pair = nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactStd>(
      *interaction_, kInterferenceFile, __LINE__);
  const int type = interference_.interferenceType.Value();
  const cow_String& amplitude = interference_.amplitude.Value();

  stream << "*Contact Interference";
  if (type == 2 && !amplitude.IsEmpty())
    stream << ", amplitude=" << akw_MorvexName(amplitude, false);
  if (type == 1) stream << ", shrink";
  stream.LineBreak();

  stream << aif_RegionName(pair.SecondSurface(), *info_).SetName(2) << ", "
         << aif_RegionName(pair.FirstSurface(), *info_).SetName(2);
  if (type != 1) {
    stream << ", " << interference_.value.Value() << ", ";
    if (interference_.directionType.Value() == 1) {
      const cow_List<float>& direction = interference_.direction.Value();
      for (int i = 0; i < 3 && i < static_cast<int>(direction.Length()); ++i) {
        if (i > 0) stream << ", ";
        stream << direction[i];
      }
    }
  }
  stream.LineBreak();
}
