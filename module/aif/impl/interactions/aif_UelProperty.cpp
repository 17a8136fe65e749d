#include "aif/impl/interactions/aif_UelProperty.h"

#include <utility>

#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kUelPropertyFile[] = "module/aif/impl/interactions/aif_UelProperty.cpp";

}  // namespace

aif_UelProperty::aif_UelProperty(const cow_COW<kinC_InteractionProperty>& property,
                                 cow_String elementSet)
    : property_(property), elementSet_(std::move(elementSet)) {}

void aif_UelProperty::Write(utl_Stream& stream) const {
  const auto& values =
      nex_canDynamicCastRef<const kinC_ActuatorSensorProp>(*property_, kUelPropertyFile, __LINE__);
  stream << "*Uel Property, elset=" << elementSet_ << endl;
  const char* separator = "";
  for (const double value : values.RealValues()) {
    stream << separator << value;
    separator = ", ";
  }
  for (const int value : values.IntegerValues()) {
    stream << separator << value;
    separator = ", ";
  }
  if (*separator) stream << endl;
}
