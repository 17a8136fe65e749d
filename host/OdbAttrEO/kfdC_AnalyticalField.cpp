#include "OdbAttrEO/kfdC_AnalyticalField.h"

cow_List<double> kfdK_EvaluateField(const kfdC_ExpressionField& field,
                                    const cow_2DArray<double>& points, const cow_String& name) {
  (void)name;
  cow_List<double> values;
  values.Reserve(points.Rows());
  for (std::size_t row = 0; row < points.Rows(); ++row) {
    double value = field.constant;
    for (std::size_t axis = 0; axis < 3 && axis < points.Columns(); ++axis)
      value += field.gradient[axis] * points(row, axis);
    values.Append(value);
  }
  return values;
}

kfdK_Mapping::kfdK_Mapping(const kfdC_MappedField& field,
                           const cow_Map<int, cow_List<int>>& elementIds, const cow_String& name)
    : field_(field), elementIds_(elementIds) {
  (void)name;
}

void kfdK_Mapping::mapping(int instanceId, cow_List<double>& values, cow_String& failure,
                           cow_String& note) const {
  values.Clear();
  failure = field_.failure;
  note = field_.note;
  if (const cow_String* own = field_.instanceFailures.Find(instanceId)) failure = *own;
  if (!failure.IsEmpty()) return;
  const cow_List<int>* ids = elementIds_.Find(instanceId);
  if (!ids) return;
  std::size_t count = ids->Length();
  if (count > 0 && field_.shortInstances.IsMember(instanceId)) --count;
  values.Reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double* value = field_.values.Find((*ids)[i]);
    values.Append(value ? *value : field_.fallback);
  }
}
