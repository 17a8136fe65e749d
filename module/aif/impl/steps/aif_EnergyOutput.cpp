#include "aif/impl/steps/aif_EnergyOutput.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_OutputVariables.h"

namespace {

constexpr int kEnergyOutputPosition = 7;
constexpr std::size_t kEnergyOutputPerLine = 16;

}  // namespace

aif_EnergyOutput::aif_EnergyOutput(const korC_OdbRequest& request, unsigned procedure,
                                   const cow_String& setName, bool preselect, bool all)
    : request_(request),
      procedure_(procedure),
      setName_(setName),
      preselect_(preselect),
      all_(all) {}

cow_List<cow_String> aif_EnergyOutput::Names() const {
  return aif_SiftOutputVariables(request_.variables, procedure_,
                                 [](const korC_OdbRequestSpec& definition, bool) {
                                   return definition.Position() == kEnergyOutputPosition;
                                 });
}

bool aif_EnergyOutput::IsEmpty() const { return !preselect_ && !all_ && Names().IsEmpty(); }

void aif_EnergyOutput::Write(utl_Stream& stream) const {
  const cow_List<cow_String> names = Names();
  if (names.IsEmpty() && !preselect_ && !all_) return;
  stream << "*Energy Output";
  aif_WriteOutputNameOption(stream, "elset=", setName_);
  if (aif_WriteOutputSelection(stream, preselect_, all_))
    aif_WriteOutputNames(stream, names, kEnergyOutputPerLine);
}
