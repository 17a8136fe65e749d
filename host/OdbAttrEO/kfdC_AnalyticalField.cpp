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
  if (!failure.IsEmpty()) return;
  const cow_List<int>* ids = elementIds_.Find(instanceId);
  if (!ids) return;
  for (int id : *ids) {
    const double* value = field_.values.Find(id);
    values.Append(value ? *value : field_.fallback);
  }
}
