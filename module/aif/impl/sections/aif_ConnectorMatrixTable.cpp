#include "aif/impl/sections/aif_ConnectorMatrixTable.h"

#include <algorithm>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"

void aif_ConnectorMatrixTable::Write(utl_Stream& stream) const {
  if (behavior == 0 && coupling == 0) return WriteLinearUncoupled(stream);
  if (behavior == 0) return WriteLinearCoupled(stream);
  if (behavior == 1) return WriteNonlinear(stream);
}

void aif_ConnectorMatrixTable::WriteKeywordLine(utl_Stream& stream, const char* form,
                                                int component) const {
  stream << keyword << form;
  if (component > 0) stream << "component=" << component;
  aif_WriteDependencies(stream, data.dependencies);
  if (behavior == 1 && coupling != 0)
    stream << (coupling == 2 ? ", independent components=POSITION"
                             : ", independent components=CONSTITUTIVE MOTION");
  aif_WriteTableOptions(stream, data.TableOptions());
  stream.LineBreak();
}

void aif_ConnectorMatrixTable::WriteComponentColumns(utl_Stream& stream, aif_DataLineTable table,
                                                     int i) const {
  const int n = static_cast<int>(components.Length());
  cow_List<int> skipped;
  for (int j = 0; j < n; ++j) {
    if (j == i) continue;
    for (int k = 0; k < columnsPerComponent; ++k)
      skipped.Append(j + k * n);
  }
  table.SetSkippedColumns(skipped);
  stream << table;
}

void aif_ConnectorMatrixTable::WriteLinearUncoupled(utl_Stream& stream) const {
  aif_DataLineTable table = aif_ConnectorTable(data);
  // A table with dependencies or temperatures also keeps the frequency
  // position empty when the option is not frequency-dependent.
  if (!frequencyDependent && (data.dependencies > 0 || data.temperatureDependent))
    table.InsertColumn(static_cast<int>(data.table.Columns()) - data.dependencies -
                       (data.temperatureDependent ? 1 : 0));
  for (std::size_t i = 0; i < components.Length(); ++i) {
    WriteKeywordLine(stream, ", ", components[i]);
    WriteComponentColumns(stream, table, static_cast<int>(i));
  }
}

void aif_ConnectorMatrixTable::WriteLinearCoupled(utl_Stream& stream) const {
  WriteKeywordLine(stream, "", 0);
  // The kernel holds the lower triangle for the listed components only; the
  // positions of the pairs with an unlisted component are left blank, up to
  // the last value given.
  aif_DataLineTable table = aif_ConnectorTable(data);
  auto listed = [&](int c) { return components.IndexOf(c) >= 0; };
  int k = 0;
  for (int r = 1; r <= 6; ++r)
    for (int s = 1; s <= r; ++s, ++k)
      if (!listed(r) || !listed(s)) table.InsertColumn(k);
  stream << table;
  if (data.temperatureDependent || data.dependencies > 0) return;
  // The 21 values of a full matrix fill three lines; empty lines stand for
  // the rows of the last lines that no listed component reaches.
  int largest = 0;
  for (int c : components)
    largest = std::max(largest, c);
  if (largest < 6) stream.LineBreak();
  if (largest < 4) stream.LineBreak();
}

void aif_ConnectorMatrixTable::WriteNonlinear(utl_Stream& stream) const {
  const aif_DataLineTable table = aif_ConnectorTable(data);
  for (std::size_t i = 0; i < components.Length(); ++i) {
    WriteKeywordLine(stream, ", nonlinear, ", components[i]);
    if (coupling == 0) {
      stream << table;
      continue;
    }
    aif_WriteComponentLine(stream, independentComponents);
    WriteComponentColumns(stream, table, static_cast<int>(i));
  }
}
