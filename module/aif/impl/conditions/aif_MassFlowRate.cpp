#include "aif/impl/conditions/aif_MassFlowRate.h"

#include <cstddef>

#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kMassFlowRateFile[] = "module/aif/impl/conditions/aif_MassFlowRate.cpp";

// The values of a uniform mass flow rate.
constexpr std::size_t kMassFlowRateValues = 3;

}  // namespace

aif_MassFlowRate::aif_MassFlowRate(const kpfC_Field& field, const cow_String& stepName, bool keepOp,
                                   const cow_String& regionName, double scale)
    : aif_PredefFieldKeyword(
          nex_canDynamicCastRef<const kpfC_MassFlowRate>(field, kMassFlowRateFile, __LINE__),
          stepName, keepOp, regionName, scale) {}

void aif_MassFlowRate::Write(utl_Stream& stream) const {
  const int distribution = BaseField().Distribution();
  if (!WriteStart(stream, "*Mass Flow Rate", distribution == 0 || distribution == 1)) return;
  if (distribution == 1) {
    WriteUserLines(stream);
    return;
  }
  EndWithAmplitude(stream);
  // The three values as stored; a value the state lacks is 0.
  const cow_List<mdl_PropAttr<double>>& values = State().Magnitudes();
  stream << RegionName();
  for (std::size_t k = 0; k < kMassFlowRateValues; ++k)
    stream << ", " << (k < values.Length() ? values[k].Value() * Scale() : 0.0);
  stream.LineBreak();
}
