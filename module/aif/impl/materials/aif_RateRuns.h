// Rate-dependent material data: the kernel keeps the rows of every rate in one
// table with the rate as a column; the input file wants one keyword per rate,
// its rate as an option and its rows (without the rate) as data lines.
#pragma once

#include <functional>

class aif_DataLineTable;
class kmaC_MaterialOption;

// Called once per row of the regrouped table with the row's rate, whether the
// row opens a keyword (a new run of equal rates starts there) and the row
// without its rate, ready to write.
using aif_RateRowVisitor =
    std::function<void(double rate, bool opensKeyword, const aif_DataLineTable& row)>;

// Visits the rows of `option`'s table grouped by the rate in column
// `rateColumn`. The rows are ordered with kmaC_MaterialTable::Sort(1) on a
// copy whose rate column stands last, so rows of one rate come together and
// keep their order. A row opens a keyword when it is the first or its rate
// differs from the rate of the row that opened the previous keyword (exact
// comparison; a NaN rate never equals one). The row handed on is a
// one-row data-line table of the other values in their order, with an empty
// temperature column ahead of the d field values when T is false and d > 0.
// Visits nothing when the table has no rows or no column `rateColumn`.
//
// A keyword writer uses it as
//   aif_ForEachRateRow(option, 2, [&](double rate, bool opens, const aif_DataLineTable& row) {
//     if (opens) { /* keyword line with ", rate=" rate */ }
//     stream << row;
//   });
void aif_ForEachRateRow(const kmaC_MaterialOption& option, int rateColumn,
                        const aif_RateRowVisitor& visit);
