#include "aif/impl/steps/aif_RadiationOutput.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_OutputVariables.h"

namespace {

constexpr int kRadiationOutputPosition = 5;
constexpr std::size_t kRadiationOutputPerLine = 16;

}  // namespace

aif_RadiationOutput::aif_RadiationOutput(const korC_OdbRequest& request, unsigned procedure,
                                         const cow_String& setName, bool all)
    : request_(request), procedure_(procedure), setName_(setName), all_(all) {}

cow_List<cow_String> aif_RadiationOutput::Names() const {
  return aif_SiftOutputVariables(request_.variables, procedure_,
                                 [](const korC_OdbRequestSpec& definition, bool) {
                                   return definition.Position() == kRadiationOutputPosition;
                                 });
}

bool aif_RadiationOutput::IsEmpty() const { return !all_ && Names().IsEmpty(); }

void aif_RadiationOutput::Write(utl_Stream& stream) const {
  const cow_List<cow_String> names = Names();
  if (names.IsEmpty() && !all_) return;
  stream << "*Radiation Output";
  aif_WriteOutputNameOption(stream, "elset=", setName_);
  if (aif_WriteOutputSelection(stream, false, all_))
    aif_WriteOutputNames(stream, names, kRadiationOutputPerLine);
}
