#include "aif/impl/steps/aif_NodeOutput.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_OutputVariables.h"

namespace {

constexpr int kNodeOutputPosition = 0;
constexpr std::size_t kNodeOutputNamesPerLine = 8;

}  // namespace

aif_NodeOutput::aif_NodeOutput(const korC_OdbChannel& channel, const korC_OdbRequest& request,
                               unsigned procedure, const cow_String& setName, bool preselect,
                               bool all, bool omitWhenEmpty)
    : channel_(channel),
      setName_(setName),
      request_(request),
      procedure_(procedure),
      omitWhenEmpty_(omitWhenEmpty),
      preselect_(preselect),
      all_(all) {}

cow_List<cow_String> aif_NodeOutput::Names() const {
  return aif_SiftOutputVariables(request_.variables, procedure_,
                                 [](const korC_OdbRequestSpec& definition, bool) {
                                   return definition.Position() == kNodeOutputPosition;
                                 });
}

bool aif_NodeOutput::IsEmpty() const {
  return omitWhenEmpty_ && !preselect_ && !all_ && Names().IsEmpty();
}

void aif_NodeOutput::Write(utl_Stream& stream) const {
  const cow_List<cow_String> names = Names();
  if (names.IsEmpty() && !preselect_ && !all_ && omitWhenEmpty_) return;

  stream << "*Node Output";
  if (!request_.globalOutput) aif_Option(stream) << "global=NO";
  aif_WriteOutputNameOption(stream, "nset=", setName_);
  if (aif_WriteOutputSelection(stream, preselect_, all_))
    aif_WriteOutputNames(stream, names, kNodeOutputNamesPerLine);
}
