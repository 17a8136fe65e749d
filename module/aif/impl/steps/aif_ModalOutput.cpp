#include "aif/impl/steps/aif_ModalOutput.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_OutputVariables.h"

namespace {

constexpr int kModalOutputPosition = 2;
constexpr std::size_t kModalOutputPerLine = 16;

}  // namespace

aif_ModalOutput::aif_ModalOutput(const korC_OdbRequest& request, unsigned procedure, bool all)
    : request_(request), procedure_(procedure), all_(all) {}

cow_List<cow_String> aif_ModalOutput::Names() const {
  return aif_SiftOutputVariables(request_.variables, procedure_,
                                 [](const korC_OdbRequestSpec& definition, bool) {
                                   return definition.Position() == kModalOutputPosition;
                                 });
}

bool aif_ModalOutput::IsEmpty() const { return !all_ && Names().IsEmpty(); }

void aif_ModalOutput::Write(utl_Stream& stream) const {
  const cow_List<cow_String> names = Names();
  if (names.IsEmpty() && !all_) return;
  stream << "*Modal Output";
  if (aif_WriteOutputSelection(stream, false, all_))
    aif_WriteOutputNames(stream, names, kModalOutputPerLine);
}
