#include "aif/impl/interactions/aif_UserElement.h"

#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kUserElementFile[] = "module/aif/impl/interactions/aif_UserElement.cpp";

}  // namespace

aif_UserElement::aif_UserElement(const cow_COW<kinC_Interaction>& interaction,
                                 const kinC_ActuatorSensorProp& property)
    : interaction_(interaction), property_(property) {}

aif_UserElement::aif_UserElement(const cow_COW<kinC_Interaction>& interaction)
    : interaction_(interaction) {}

void aif_UserElement::Write(utl_Stream& stream) const {
  const auto& actuator =
      nex_canDynamicCastRef<const kinC_ActuatorSensor>(*interaction_, kUserElementFile, __LINE__);
  stream << "*User Element, type=" << actuator.ElementType() << ", nodes=1";
  if (actuator.CoordinateCount() != 0) stream << ", coordinates=" << actuator.CoordinateCount();
  stream << ", properties=" << static_cast<int>(property_.RealValues().Length());
  aif_Option(stream) << "i properties=" << static_cast<int>(property_.IntegerValues().Length());
  if (actuator.Unsymmetric()) stream << ", unsymm";
  stream << ", variables=" << actuator.VariableCount() << endl;
  stream << actuator.DofLine() << endl;
}
