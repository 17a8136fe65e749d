// The profile of an analytic rigid part as the geometry kernel delivers it.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/gml_GeometricModel.h"
#include "QivGeom/gsl_Point.h"

class ptoK_Part;

// Fills the kinds of segment, the profile points and the surface type of
// `part`, profiled as a revolved surface when `revolved` is set. The stand-in
// copies the profile stored on the part's geometric model for that flag;
// without one it clears both lists, sets the type to 0 and returns false.
bool ptsK_GetAnalyticRigidPoints(const ptoK_Part& part, cow_List<cow_String>& kinds,
                                 cow_List<gsl_Point>& points, ftr_FeatureType& type, bool revolved);

// Whether the sketch of the analytic rigid part `part`, instanced as
// `instanceName`, can be used for its analytical surface; when not, fills
// `message` for the user. The stand-in answers what was set on the part
// (ptoK_Part::SetSketchInvalidMessage): false with that message when one was
// set, else true with `message` unchanged.
bool ptsK_CheckSketchValidityForAnalytic(const ptoK_Part& part, const cow_String& instanceName,
                                         cow_String& message);
