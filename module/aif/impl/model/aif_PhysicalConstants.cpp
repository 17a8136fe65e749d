#include "aif/impl/model/aif_PhysicalConstants.h"

#include <charconv>
#include <string_view>

#include "QivBasicUtils/utl_Stream.h"

namespace {

// `value` in the "%g" layout (six significant digits, trailing zeros
// dropped), formatted without the locale; `buffer` holds at least 32 bytes.
std::string_view GeneralForm(double value, char* buffer) {
  const auto result = std::to_chars(buffer, buffer + 32, value, std::chars_format::general, 6);
  return std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

}  // namespace

bool aif_PhysicalConstants::IsSet(double value) {
  char unset[32];
  char text[32];
  return GeneralForm(value, text) != GeneralForm(kUnset, unset);
}

void aif_PhysicalConstants::Write(utl_Stream& stream) const {
  const bool absoluteZero = IsSet(absoluteZero_);
  const bool stefanBoltzmann = IsSet(stefanBoltzmann_);
  const bool universalGas = IsSet(universalGas_);
  if (!absoluteZero && !stefanBoltzmann && !universalGas) return;
  stream << "*Physical Constants";
  if (absoluteZero) stream << ", absolute zero=" << absoluteZero_;
  if (stefanBoltzmann) stream << ", stefan boltzmann=" << stefanBoltzmann_;
  if (universalGas) stream << ", universal gas=" << universalGas_;
  stream.LineBreak();
}
