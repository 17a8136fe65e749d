#include "aif/impl/steps/aif_ElementOutput.h"

#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_OutputVariables.h"

namespace {

constexpr std::size_t kElementOutputPerLine = 16;
// Table codes: element variables; contact variables that element
// output carries when asked for by name outside an interaction; variables of
// other keywords that element output carries too; rebar-only variables.
constexpr int kElementOutputPosition = 1;
constexpr int kElementOutputContactPosition = 8;
constexpr int kElementOutputAlsoElement = 2;
constexpr int kElementOutputRebarOnly = 6;

}  // namespace

aif_ElementOutput::aif_ElementOutput(const korC_OdbChannel& channel, const korC_OdbRequest& request,
                                     unsigned procedure, const cow_String& setName, bool preselect,
                                     bool all, bool rebar)
    : channel_(channel),
      setName_(setName),
      request_(request),
      procedure_(procedure),
      preselect_(preselect),
      all_(all),
      rebar_(rebar) {}

cow_List<cow_String> aif_ElementOutput::Names() const {
  const bool noInteraction = request_.interactionNames.IsEmpty();
  const bool rebar = rebar_;
  return aif_SiftOutputVariables(
      request_.variables, procedure_,
      [noInteraction, rebar](const korC_OdbRequestSpec& definition, bool direct) {
        const bool element =
            definition.Position() == kElementOutputPosition ||
            (definition.Position() == kElementOutputContactPosition && direct && noInteraction) ||
            definition.Auxiliary() == kElementOutputAlsoElement;
        return element && (rebar || definition.Category() != kElementOutputRebarOnly);
      },
      rebar_);
}

bool aif_ElementOutput::IsEmpty() const { return !preselect_ && !all_ && Names().IsEmpty(); }

void aif_ElementOutput::Write(utl_Stream& stream) const {
  cow_List<cow_String> names = Names();
  if (names.IsEmpty() && !preselect_ && !all_) return;

  stream << "*Element Output";
  aif_WriteOutputNameOption(stream, "elset=", setName_);
  if (rebar_) stream << ", rebar";
  if (channel_.Type() == 1 && !kprC_IsFlow(procedure_))
    stream << (request_.directions ? ", directions=YES" : ", directions=NO");
  const bool listed = aif_WriteOutputSelection(stream, preselect_, all_);

  const cow_List<int>& points = request_.sectionPoints;
  for (std::size_t i = 0; i < points.Length(); ++i) {
    stream << points[i];
    if (i + 1 == points.Length() || (i + 1) % kElementOutputPerLine == 0)
      stream.LineBreak();
    else
      stream << ", ";
  }

  if (!listed) return;
  // Equivalent plastic strain goes with the plastic strain it sums up.
  if (names.IsMember("PE") && !names.IsMember("PEEQ")) names.Append("PEEQ");
  aif_WriteOutputNames(stream, names, kElementOutputPerLine);
}
