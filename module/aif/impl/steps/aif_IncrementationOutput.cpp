#include "aif/impl/steps/aif_IncrementationOutput.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_OutputVariables.h"

namespace {

constexpr int kIncrementationOutputPosition = 6;
constexpr std::size_t kIncrementationOutputPerLine = 16;

}  // namespace

aif_IncrementationOutput::aif_IncrementationOutput(const korC_OdbRequest& request,
                                                   unsigned procedure, bool preselect, bool all)
    : request_(request), procedure_(procedure), preselect_(preselect), all_(all) {}

cow_List<cow_String> aif_IncrementationOutput::Names() const {
  return aif_SiftOutputVariables(request_.variables, procedure_,
                                 [](const korC_OdbRequestSpec& definition, bool) {
                                   return definition.Position() == kIncrementationOutputPosition;
                                 });
}

bool aif_IncrementationOutput::IsEmpty() const { return !preselect_ && !all_ && Names().IsEmpty(); }

void aif_IncrementationOutput::Write(utl_Stream& stream) const {
  const cow_List<cow_String> names = Names();
  if (names.IsEmpty() && !preselect_ && !all_) return;
  stream << "*Incrementation Output";
  if (aif_WriteOutputSelection(stream, preselect_, all_))
    aif_WriteOutputNames(stream, names, kIncrementationOutputPerLine);
}
