#include "aif/impl/sections/aif_NonstructuralMass.h"

#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kNonstructuralMassFile[] = "module/aif/impl/sections/aif_NonstructuralMass.cpp";

// The option text of a units code; null for a code without one.
const char* UnitsText(int units) {
  switch (units) {
    case 0:
      return "TOTAL MASS";
    case 1:
      return "MASS PER VOLUME";
    case 2:
      return "MASS PER AREA";
    case 3:
      return "MASS PER LENGTH";
    default:
      return nullptr;
  }
}

}  // namespace

aif_NonstructuralMass::aif_NonstructuralMass(cow_String elementSet, const kefC_Inertia& inertia)
    : elementSet_(std::move(elementSet)) {
  const auto& mass = nex_canDynamicCastRef<const kefC_NonstructuralMass>(
      inertia, kNonstructuralMassFile, __LINE__);
  units_ = mass.Units();
  value_ = mass.Value();
  volumeProportional_ = mass.VolumeProportional();
}

void aif_NonstructuralMass::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  stream << "*Nonstructural Mass, ";
  stream.OptionalLineBreak(6 + elementSet_.Length()) << "elset=" << elementSet_;
  // An option is written whole or not at all: a code without a text leaves
  // it out rather than a bare "units=".
  if (const char* units = UnitsText(units_))
    (stream << ", ").OptionalLineBreak() << "units=" << units;
  if (units_ == 0 && volumeProportional_)
    (stream << ", ").OptionalLineBreak() << "distribution=VOLUME PROPORTIONAL";
  stream << endl << value_ << ", " << endl;
}
