// Blank-column rules of the material sub-option keywords: the blank cells that
// keep every value of a data line at its fixed position when optional columns
// of the kernel table are missing. `columns` is the column count of the
// kernel table before any insertion; each rule inserts into `lines` only
// where a column stands at the index (a blank is never appended at the end).
#pragma once

#include <climits>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// The empty temperature column ahead of the field variables: one blank at
// columns - d when T is false and d > 0.
inline void aif_SubOptionTemperatureBlank(aif_DataLineTable& lines, int columns, int dependencies,
                                          bool temperature) {
  if (!temperature && dependencies > 0) lines.InsertColumn(columns - dependencies);
}

// Test data whose rows may carry a third value: without it and with a
// temperature or field variables, one blank at 2 (when `blankThird`); then
// the empty temperature column, placed with the same column count.
inline void aif_SubOptionTestDataBlanks(aif_DataLineTable& lines, int columns, int dependencies,
                                        bool temperature, bool thirdColumn, bool blankThird) {
  if (!thirdColumn && (temperature || dependencies > 0) && blankThird) lines.InsertColumn(2);
  aif_SubOptionTemperatureBlank(lines, columns, dependencies, temperature);
}

// Rows that may carry a value just before the temperature: without it and
// with a temperature, one blank at columns - d - 1; without temperature and
// with field variables, the empty temperature column and, when the value is
// missing too, a second blank at the same place.
inline void aif_SubOptionPreTemperatureBlanks(aif_DataLineTable& lines, int columns,
                                              int dependencies, bool temperature,
                                              bool preTemperatureColumn) {
  if (!preTemperatureColumn && temperature) {
    lines.InsertColumn(columns - dependencies - 1);
  } else if (!temperature && dependencies > 0) {
    lines.InsertColumn(columns - dependencies);
    if (!preTemperatureColumn) lines.InsertColumn(columns - dependencies);
  }
}

// A test-data keyword (uniaxial, biaxial, planar): `keyword`, "smooth=" when
// set, "dependencies=", then `direction` (a whole option) when given, the
// line end and the rows under the test-data rule.
template <class TestData>
void aif_SubOptionWriteTestData(utl_Stream& stream, const char* keyword, const TestData& option,
                                const char* direction, bool blankThird) {
  stream << keyword;
  if (option.smooth != INT_MAX) aif_WriteOption(stream, "smooth=", option.smooth);
  aif_WriteDependencies(stream, option.dependencies);
  if (direction) aif_WriteOption(stream, direction);
  stream.LineBreak();
  aif_DataLineTable lines(option.table, 0, false);
  aif_SubOptionTestDataBlanks(lines, static_cast<int>(option.table.Columns()), option.dependencies,
                              option.temperatureDependency, option.thirdColumn, blankThird);
  stream << lines;
}

// The rows of a concrete curve under the pre-temperature rule.
template <class Curve>
void aif_SubOptionWritePreTemperatureRows(utl_Stream& stream, const Curve& option) {
  aif_DataLineTable lines(option.table, option.dependencies, option.temperatureDependency);
  aif_SubOptionPreTemperatureBlanks(lines, static_cast<int>(option.table.Columns()),
                                    option.dependencies, option.temperatureDependency,
                                    option.preTemperatureColumn);
  stream << lines;
}
