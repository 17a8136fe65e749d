#include "aif/impl/conditions/aif_GeneralField.h"

#include <cstddef>

#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
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
    : aif_PredefFieldKeyword(
          nex_canDynamicCastRef<const kpfC_GeneralField>(field, kGeneralFieldFile, __LINE__),
          stepName, keepOp, regionName, scale) {}

const kpfC_GeneralField& aif_GeneralField::Field() const {
  return static_cast<const kpfC_GeneralField&>(BaseField());
}

void aif_GeneralField::Write(utl_Stream& stream) const {
  const int distribution = BaseField().Distribution();
  const bool writable =
      distribution == 0 || distribution == 1 || distribution == 3 || distribution == 4;
  if (!WriteStart(stream, "*Field", writable)) return;
  if (Field().Number() != 0)
    stream << ", number=" << Field().Number();
  else
    stream << ", variable=" << Field().Variable();

  const kpfC_GeneralFieldBaseState& state = State();
  if (distribution == 1) {
    WriteUserLines(stream);
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

  EndWithAmplitude(stream);
  // Every value is followed by ", " but the one that fills its line.
  stream << RegionName() << ", ";
  int item = 1;
  bool lineEnded = false;
  for (const mdl_PropAttr<double>& value : state.Magnitudes()) {
    stream << value.Value() * Scale();
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
