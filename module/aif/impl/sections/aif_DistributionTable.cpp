#include "aif/impl/sections/aif_DistributionTable.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

aif_DistributionTable::aif_DistributionTable(const kfdC_DiscreteField& field,
                                             const akw_DiscreteField& record, bool partBased)
    : field_(field), record_(record), partBased_(partBased) {}

void aif_DistributionTable::Write(utl_Stream& stream) const {
  const cow_List<cow_String>& columns = record_.components;
  if (columns.IsEmpty())
    throw aif_Exception("The distribution of the discrete field " + record_.field +
                        " has no column type.");
  const auto writeTable = [&](const cow_String& name) {
    stream << "*Distribution Table, name=" << akw_MorvexName(name, false).Printable();
    stream.LineBreak();
    for (std::size_t i = 0; i < columns.Length(); ++i) {
      if (i > 0) stream.Write(", ", 2);
      stream << columns[i];
    }
    stream.LineBreak();
  };
  // A model-scope distribution names its table by the field alone, whatever
  // instances its record lists.
  if (!partBased_ && !record_.users.IsEmpty() && record_.ownerKind != akw_DiscreteField::kModel) {
    for (const cow_String& instance : record_.users)
      writeTable(instance + "_" + record_.field + "_Table");
  } else {
    writeTable(record_.field + "_Table");
  }
}
