#include "aif/impl/conditions/aif_GeneralField.h"

#include <cstddef>

#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_PredefFieldLines.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kGeneralFieldFile[] = "module/aif/impl/conditions/aif_GeneralField.cpp";

// Items of a uniform data line: the set name and seven values on the first
// line, eight values on each further one.
constexpr int kGeneralFieldLineItems = 8;

// The integer options of a results file, each written when not 0.
void WriteGeneralFieldStepRange(utl_Stream& stream, const kpfC_GeneralFieldBaseState& state) {
  const struct {
    const char* option;
    int value;
  } ranges[] = {{", bstep=", state.BeginStep().Value()},
                {", binc=", state.BeginIncrement().Value()},
                {", estep=", state.EndStep().Value()},
                {", einc=", state.EndIncrement().Value()}};
  for (const auto& range : ranges)
    if (range.value != 0) stream << range.option << range.value;
}

}  // namespace

aif_GeneralField::aif_GeneralField(const kpfC_Field& field, const cow_String& stepName, bool keepOp,
                                   const cow_String& regionName, double scale)
    : field_(&nex_canDynamicCastRef<const kpfC_GeneralField>(field, kGeneralFieldFile, __LINE__)),
      stepName_(stepName),
      regionName_(regionName),
      keepOp_(keepOp),
      scale_(scale) {
  if (aif_IsPredefFieldRemoved(field.Status(stepName))) {
    inactive_ = true;
    keepOp_ = false;
  }
}

void aif_GeneralField::Write(utl_Stream& stream) const {
  const int distribution = field_->Distribution();
  if (!inactive_ && distribution != 0 && distribution != 1 && distribution != 3 &&
      distribution != 4) {
    aif_ReportUnwrittenPredefField(*field_, stepName_);
    return;
  }
  aif_WritePredefFieldKeyword(stream, "*Field", keepOp_);
  if (inactive_) {
    stream.LineBreak();
    return;
  }
  if (field_->Number() != 0)
    stream << ", number=" << field_->Number();
  else
    stream << ", variable=" << field_->Variable();

  const kpfC_GeneralFieldBaseState& state = field_->ConstGetState(stepName_);
  if (distribution == 1) {
    stream << ", user";
    stream.LineBreak();
    stream << regionName_;
    stream.LineBreak();
    return;
  }
  if (distribution == 3 || distribution == 4) {
    if (distribution == 4) stream << ", user";
    stream << ", file=" << aif_ResultsFileName(state.FileName().Value());
    WriteGeneralFieldStepRange(stream, state);
    if (state.Interpolation().Value() == 2) stream << ", midside";
    stream.LineBreak();
    return;
  }

  aif_WritePredefFieldAmplitude(stream, state);
  stream.LineBreak();
  // Every value is followed by ", " but the one that fills its line.
  stream << regionName_ << ", ";
  int item = 1;
  bool lineEnded = false;
  for (const mdl_PropAttr<double>& value : state.Magnitudes()) {
    stream << value.Value() * scale_;
    lineEnded = ++item == kGeneralFieldLineItems;
    if (lineEnded) {
      stream.LineBreak();
      item = 0;
    } else {
      stream << ", ";
    }
  }
  if (!lineEnded) stream.LineBreak();
}
