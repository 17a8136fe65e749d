#include "aif/impl/interactions/aif_AcousticImpedanceProp.h"

#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_AcousticImpedanceProp.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kImpedancePropFile[] = "module/aif/impl/interactions/aif_AcousticImpedanceProp.cpp";
// The data kind of a table given as impedances.
constexpr int kImpedancePropImpedanceData = 0;

}  // namespace

aif_AcousticImpedanceProp::aif_AcousticImpedanceProp(
    cow_String name, const cow_COW<kinC_InteractionProperty>& property)
    : name_(std::move(name)), property_(property) {}

void aif_AcousticImpedanceProp::Write(utl_Stream& stream) const {
  const auto& impedance = nex_canDynamicCastRef<const kinC_AcousticImpedanceProp>(
      *property_, kImpedancePropFile, __LINE__);
  const bool impedanceData = impedance.DataKind() == kImpedancePropImpedanceData;
  stream << "*Impedance Property, name=" << akw_MorvexName(name_, false);
  if (impedanceData) aif_Option(stream) << "data=IMPEDANCE";
  stream.LineBreak();
  aif_DataLineTable table(impedance.Table(), 0, impedance.TemperatureDependency() ? 1 : 0);
  if (!impedanceData) table.SwapColumns(0, 1);
  stream << table;
}
