#include "ModKerLow/gml_GeometricModel.h"

#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/ptsK_AnalyticRigidPoints.h"

const gml_GeometricModel* ptoK_ConstGetGM(const ptoK_Part& part) {
  return part.GeometricModel();
}

bool ptsK_GetAnalyticRigidPoints(const ptoK_Part& part, cow_List<cow_String>& kinds,
                                 cow_List<gsl_Point>& points, ftr_FeatureType& type,
                                 bool revolved) {
  const gml_GeometricModel* model = ptoK_ConstGetGM(part);
  const gml_AnalyticProfile* profile = model ? model->AnalyticProfile(revolved) : nullptr;
  if (!profile) {
    kinds.Clear();
    points.Clear();
    type = 0;
    return false;
  }
  kinds = profile->kinds;
  points = profile->points;
  type = profile->type;
  return true;
}

bool ptsK_CheckSketchValidityForAnalytic(const ptoK_Part& part, const cow_String& instanceName,
                                         cow_String& message) {
  (void)instanceName;
  if (part.SketchInvalidMessage().IsEmpty()) return true;
  message = part.SketchInvalidMessage();
  return false;
}
