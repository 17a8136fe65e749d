#include "aif/impl/steps/aif_IntegratedOutput.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/steps/aif_OutputVariables.h"

namespace {

constexpr std::size_t kIntegratedOutputPerLine = 16;
// Table codes: integrated variables; those integrated over a
// section; variables of other keywords integrated over an element set too.
constexpr int kIntegratedOutputPosition = 9;
constexpr int kIntegratedOutputSection = 5;
constexpr int kIntegratedOutputOverSet = 0;

}  // namespace

aif_IntegratedOutput::aif_IntegratedOutput(const korC_OdbRequest& request, unsigned procedure,
                                           bool preselect, bool all, const cow_String& setName)
    : request_(request),
      procedure_(procedure),
      preselect_(preselect),
      all_(all),
      setName_(setName) {}

bool aif_IntegratedOutput::Writes(cow_List<cow_String>& names) const {
  if (!kprC_IsExplicit(procedure_)) return false;
  const bool overSection = setName_.IsEmpty();
  if (overSection && request_.integratedOutputSectionName.IsEmpty()) return false;
  names = aif_SiftOutputVariables(
      request_.variables, procedure_, [overSection](const korC_OdbRequestSpec& definition, bool) {
        if (overSection)
          return definition.Position() == kIntegratedOutputPosition &&
                 definition.Category() == kIntegratedOutputSection;
        return (definition.Position() == kIntegratedOutputPosition &&
                definition.Category() != kIntegratedOutputSection) ||
               definition.Auxiliary() == kIntegratedOutputOverSet;
      });
  return !names.IsEmpty() || preselect_ || all_;
}

bool aif_IntegratedOutput::IsEmpty() const {
  cow_List<cow_String> names;
  return !Writes(names);
}

void aif_IntegratedOutput::Write(utl_Stream& stream) const {
  cow_List<cow_String> names;
  if (!Writes(names)) return;
  const cow_String& section = request_.integratedOutputSectionName;
  const bool overSection = setName_.IsEmpty();

  stream << "*Integrated Output, ";
  if (overSection)
    stream << "section=" << akw_MorvexName(section, false);
  else
    stream << "elset=" << aif_PrintableName(setName_);
  if (aif_WriteOutputSelection(stream, preselect_, all_))
    aif_WriteOutputNames(stream, names, kIntegratedOutputPerLine);
}
