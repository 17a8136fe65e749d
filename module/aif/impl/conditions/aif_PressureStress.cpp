#include "aif/impl/conditions/aif_PressureStress.h"

#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kPressureStressFile[] = "module/aif/impl/conditions/aif_PressureStress.cpp";

}  // namespace

aif_PressureStress::aif_PressureStress(const kpfC_Field& field, const cow_String& stepName,
                                       bool keepOp, const cow_String& regionName, double scale)
    : aif_PredefFieldKeyword(
          nex_canDynamicCastRef<const kpfC_PressureStress>(field, kPressureStressFile, __LINE__),
          stepName, keepOp, regionName, scale) {}

void aif_PressureStress::Write(utl_Stream& stream) const {
  const int distribution = BaseField().Distribution();
  const bool writable =
      distribution == 0 || distribution == 1 || distribution == 3 || distribution == 4;
  if (!WriteStart(stream, "*Pressure Stress", writable)) return;
  const kpfC_GeneralFieldBaseState& state = State();
  if (distribution == 1) {
    WriteUserLines(stream);
    return;
  }
  if (distribution == 3 || distribution == 4) {
    if (distribution == 4) stream << ", user";
    stream << ", file=" << aif_ResultsFileName(state.FileName().Value());
    stream.LineBreak();
    return;
  }
  EndWithAmplitude(stream);
  // The pressure is the first magnitude; a state without one writes 0.
  const cow_List<mdl_PropAttr<double>>& values = state.Magnitudes();
  stream << RegionName() << ", " << (values.IsEmpty() ? 0.0 : values[0].Value() * Scale());
  stream.LineBreak();
}
