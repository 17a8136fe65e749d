// Analytical fields: a field given by an expression of the coordinates, or
// mapped from other data onto a mesh; with the kernel's evaluators. The
// stand-in evaluates an expression field as constant + gradient . point, and
// a mapped field answers the values, failure text and note a test stored.
#pragma once

#include <array>

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"

class kfdC_AnalyticalField : public kfdC_Field {
 public:
  static constexpr unsigned kTypeId = 0x30E0001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kfdC_AnalyticalField* Clone() const override { return new kfdC_AnalyticalField(*this); }
  CLS_REGISTER(kfdC_AnalyticalField, kfdC_Field)
};

class kfdC_ExpressionField : public kfdC_AnalyticalField {
 public:
  static constexpr unsigned kTypeId = 0x30E0003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kfdC_ExpressionField* Clone() const override { return new kfdC_ExpressionField(*this); }
  CLS_REGISTER(kfdC_ExpressionField, kfdC_AnalyticalField)

  cow_String expression;
  // What the stand-in evaluates: constant + gradient . (x, y, z).
  double constant = 0.0;
  std::array<double, 3> gradient{0.0, 0.0, 0.0};
};

class kfdC_MappedField : public kfdC_AnalyticalField {
 public:
  static constexpr unsigned kTypeId = 0x30E0004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kfdC_MappedField* Clone() const override { return new kfdC_MappedField(*this); }
  CLS_REGISTER(kfdC_MappedField, kfdC_AnalyticalField)

  // What the stand-in's mapping answers: the value of each mesh index (from
  // 0; element or node indices, whichever the mapping is given), `fallback`
  // for an index without one, and the two texts (a failure, a note; empty
  // when none) of every instance. `instanceFailures` fails the instances it
  // names with their own text; `shortInstances` gives those instances one
  // value fewer than they have members (a kernel that comes up short).
  cow_Map<int, double> values;
  double fallback = 0.0;
  cow_String failure;
  cow_String note;
  cow_Map<int, cow_String> instanceFailures;
  cow_List<int> shortInstances;
};

// The values of `field` at `points` (one row x, y, z per point), one per
// point in order. `name` names the evaluation in the kernel's messages.
cow_List<double> kfdK_EvaluateField(const kfdC_ExpressionField& field,
                                    const cow_2DArray<double>& points, const cow_String& name);

// The mapping of a mapped field onto the elements (or nodes) `elementIds`
// (mesh indices from 0, by instance id). The mapping shares the lists it is
// given; it copies no member.
class kfdK_Mapping {
 public:
  kfdK_Mapping(const kfdC_MappedField& field, const cow_Map<int, cow_List<int>>& elementIds,
               const cow_String& name);
  // The values of the elements of `instanceId`, in the order of its ids;
  // `failure` is not empty when the mapping failed (the values are then
  // empty), `note` holds a remark to pass on.
  void mapping(int instanceId, cow_List<double>& values, cow_String& failure,
               cow_String& note) const;

 private:
  kfdC_MappedField field_;
  cow_Map<int, cow_List<int>> elementIds_;
};
