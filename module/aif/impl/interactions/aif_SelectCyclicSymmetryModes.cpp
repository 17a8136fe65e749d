#include "aif/impl/interactions/aif_SelectCyclicSymmetryModes.h"

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kSelectCyclicModesFile[] =
    "module/aif/impl/interactions/aif_SelectCyclicSymmetryModes.cpp";

}  // namespace

aif_SelectCyclicSymmetryModes::aif_SelectCyclicSymmetryModes(
    const cow_String& stepName, const cow_COW<kinC_Interaction>& interaction)
    : stepName_(stepName), interaction_(interaction) {}

bool aif_SelectCyclicSymmetryModes::WrittenInStep(int status) {
  switch (status) {
    case 2:
    case 3:
      return true;
    case 0:
    case 1:
    case 4:
    case 5:
    case 6:
      return false;
    default:
      nex_Exception::Throw(aif_Exception(atr_Translate("Error in cyclic symmetry status.")),
                           kSelectCyclicModesFile, __LINE__);
  }
  return false;
}

void aif_SelectCyclicSymmetryModes::Write(utl_Stream& stream) const {
  const auto& cyclic = nex_canDynamicCastRef<const kinC_CyclicSymmetry>(
      *interaction_, kSelectCyclicModesFile, __LINE__);
  const kinC_CyclicSymmetryState& state = cyclic.ConstGetState(stepName_);
  stream << "*Select Cyclic Symmetry Modes";
  if (state.NodalDiameter().Value() == kinC_SPECIFIED_NODAL_DIAMETERS)
    stream << ", nmin=" << state.LowestNodalDiameter().Value()
           << ", nmax=" << state.HighestNodalDiameter().Value();
  stream << endl;
}
