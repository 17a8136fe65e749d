#include "OdbAttrEO/kseK_DiscreteOrientation.h"

bool kseK_EvaluateDiscreteOrientation(
    const ptoC_MaterialOrientation& orientation, const ftr_PrimaryObject* object,
    const cow_List<gdy_HitRecord>& normalHits, const cow_List<gdy_HitRecord>& axisHits,
    const cow_String& modelName, const cow_List<gsl_Vector>& points, bool solidFlag,
    cow_List<gsl_Vector> (&directions)[4], double tolerance, bool verbose) {
  (void)object;
  (void)normalHits;
  (void)axisHits;
  (void)modelName;
  (void)solidFlag;
  (void)tolerance;
  (void)verbose;
  for (cow_List<gsl_Vector>& list : directions)
    list.Clear();
  const ptoC_MaterialOrientation::KernelAxes& stored = orientation.KernelDiscreteAxes();
  if (stored.fails) return false;
  for (const cow_List<gsl_Vector>& list : stored.lists)
    if (list.Length() < points.Length()) return false;
  for (int k = 0; k < 4; ++k)
    for (std::size_t i = 0; i < points.Length(); ++i)
      directions[k].Append(stored.lists[k][i]);
  return true;
}
