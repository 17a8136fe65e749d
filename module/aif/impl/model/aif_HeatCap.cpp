#include "aif/impl/model/aif_HeatCap.h"

#include "OdbAttrEO/kseC_PointSection.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"

aif_HeatCap::aif_HeatCap(cow_String elementSet, const kseC_PointSection& section)
    : elementSet_(std::move(elementSet)),
      temperatureDependent_(false),
      dependencies_(0),
      table_(1, 1, section.HeatCapacitance()),
      empty_(section.HeatCapacitance() == 0.0) {}

aif_HeatCap::aif_HeatCap(cow_String elementSet, bool temperatureDependent, int dependencies,
                         cow_2DArray<double> table)
    : elementSet_(std::move(elementSet)),
      temperatureDependent_(temperatureDependent),
      dependencies_(dependencies),
      table_(std::move(table)),
      empty_(false) {}

void aif_HeatCap::Write(utl_Stream& stream) const {
  if (empty_) return;
  stream << "*Heat Cap, elset=" << elementSet_;
  if (dependencies_ > 0) (stream << ", ").OptionalLineBreak() << "dependencies=" << dependencies_;
  stream << endl;
  aif_DataLineTable table(table_, dependencies_, temperatureDependent_ ? 1 : 0);
  if (!temperatureDependent_ && dependencies_ > 0)
    table.InsertColumn(static_cast<int>(table_.Columns()) - dependencies_);
  stream << table;
}
