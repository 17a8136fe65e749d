// One surface of Standard general contact that receives a geometric
// correction: the record the interaction builder collects for each smoothed
// piece and "*Surface Property Assignment, property=GEOMETRIC CORRECTION"
// writes one line of (aif_SmoothingAssignments).
#pragma once

#include "BasShared/cow_String.h"

struct aif_GeometricCorrection {
  cow_String interactionName;  // kept for the builder; not written
  cow_String surface;          // the surface's name as written
  cow_String choice;  // the correction chosen ("None", "Circumferential", ...); may be empty
  cow_String kind;    // the correction found for the surface; written when `choice` is empty
  double x1 = 0.0, y1 = 0.0, z1 = 0.0;  // the first point of the axis
  double x2 = 0.0, y2 = 0.0, z2 = 0.0;  // the second point of the axis
};
