#include "aif/impl/steps/aif_IntegratedOutputSection.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

// The motion of a section's reference node by its code; null for a code the
// solver has no word for.
const char* SectionRefNodeMotion(int motion) {
  switch (motion) {
    case 0:
      return "INDEPENDENT";
    case 1:
      return "AVERAGE";
    case 2:
      return "AVERAGE_TRANSLATION";
    default:
      return nullptr;
  }
}

}  // namespace

void aif_IntegratedOutputSection::Write(utl_Stream& stream) const {
  // Each option goes on after its comma when it would take the line past
  // what the solver reads: three long names do not fit on one line.
  auto option = [&stream](const cow_String& text) { aif_Option(stream, text.Length()) << text; };
  stream << "*Integrated Output Section, name=" << akw_MorvexName(name_, false);
  option("surface=" + surface_);
  if (!refNode_.IsEmpty()) {
    option("ref node=" + refNode_);
    option(cow_String("position=") + (section_.PositionAtCenter() ? "CENTER" : "INPUT"));
    if (!info_->IsRestart())
      if (const char* motion = SectionRefNodeMotion(section_.RefNodeMotion()))
        option(cow_String("ref node motion=") + motion);
  }
  if (!section_.Orientation().IsNullRef())
    option("orientation=" + info_->DatumCsysName(section_.Orientation(), 0.0, cow_String()));
  option(cow_String("project orientation=") + (section_.ProjectOrientation() ? "YES" : "NO"));
  stream.LineBreak();
}
