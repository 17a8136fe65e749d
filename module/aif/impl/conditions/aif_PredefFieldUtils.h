// The node lines of a predefined field whose values are distributed by an
// analytical or a discrete field: one line a node, its label and the field's
// magnitudes times the node's value. Every instance is evaluated before a
// line is written; when the evaluation fails the user reads why in the
// checking messages and the field has no node lines.
#pragma once

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class akw_ModelInfo;
struct aif_FieldFailure;
struct aif_FieldSubject;
class aif_ModelInfo;
class kpfC_Field;
class utl_Stream;

class aif_PredefFieldUtils {
 public:
  // Keeps a copy of `field` and `stepName`; `info` (an aif_ModelInfo, tested
  // here) must outlive the object. Each node line is laid out for
  // `valueCount` values.
  aif_PredefFieldUtils(const kpfC_Field& field, const cow_String& stepName,
                       const akw_ModelInfo& info, int valueCount);

  // The field's magnitudes in the step: a temperature field's list (padded
  // with its last entry to the value count unless its variation code is 1
  // or 2), a saturation field's one value, nothing for other kinds.
  cow_List<double> FieldMagnitudes() const;
  // The node lines of a field distributed by an analytical field: each
  // magnitude x the field's value at the node x `scale`. A failure is
  // reported naming `kindText` and `objectName`; a mapped field over a
  // region without mesh members writes and reports nothing.
  void EvaluatePredefinedField(utl_Stream& stream, double scale, const cow_String& kindText,
                               const cow_String& objectName) const;
  // The node lines of a field distributed by a discrete field (its first
  // component; a node the instance's table lacks takes the field's first
  // default).
  void EvaluateDiscreteField(utl_Stream& stream, double scale) const;

 private:
  cow_ArrayCOW<kpfC_Field> field_;
  cow_String stepName_;
  const aif_ModelInfo& info_;
  int valueCount_;
};

// Writes the values part of one node line (the label is written): ", " and
// the values, seven on the label's line and eight on each further one (a
// line that goes on ends with ", "); then empty lines until the node has
// aif_CeilDivide(valueCount + 1, 8) lines.
void aif_WritePredefinedFieldValues(utl_Stream& stream, int valueCount,
                                    const cow_List<double>& values);

// Tells the user that a predefined field distributed by the analytical field
// `fieldName` will be missing: one checking message naming `subject`, led
// by the mapping's own text when the mapping failed. A mapped field over a
// region without mesh members has nothing to evaluate and is not reported.
void aif_ReportPredefinedFieldFailure(const aif_FieldSubject& subject, const cow_String& fieldName,
                                      const aif_FieldFailure& failure);

// a / b, plus 1 when a remainder is left; 0 when b is 0.
int aif_CeilDivide(int a, int b);
