#include "aif/impl/sections/aif_NodalThickness.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/sections/aif_DiscreteFieldLines.h"

aif_NodalThickness::aif_NodalThickness(const kfdC_DiscreteField& field,
                                       const akw_DiscreteField& record)
    : field_(field), record_(record) {}

void aif_NodalThickness::Write(utl_Stream& stream) const {
  aif_CheckFieldTables(field_, record_.field);
  stream << "*Nodal Thickness";
  stream.LineBreak();
  aif_WriteFieldDescription(stream, field_);
  const std::size_t components =
      field_.ComponentCount() > 0 ? static_cast<std::size_t>(field_.ComponentCount()) : 0;
  for (const kfdC_DataTable& table : field_.DataTables()) {
    const cow_List<int>& labels = table.Labels();
    const cow_List<double>& values = table.Values();
    std::size_t value = 0;
    for (int label : labels) {
      stream.Print(label, 0);
      for (std::size_t c = 0; c < components; ++c)
        stream.Write(", ", 2) << values[value++];
      stream.LineBreak();
    }
  }
}
