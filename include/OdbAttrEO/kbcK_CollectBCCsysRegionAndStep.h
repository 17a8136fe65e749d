// The kernel's collector of the boundary conditions applied in a datum
// coordinate system.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbCoreGeom/rgnC_Region.h"

// Appends, for every boundary condition of the model `modelName` (looked up
// in the model database) that is not suppressed and names a local datum
// system, in name order: its region to `regions`, its datum system to
// `datums`, its name to `names` and the step it was created in to `steps`.
// Nothing for a model the database does not hold.
void kbcK_CollectBCCsysRegionAndStep(const cow_String& modelName, cow_List<rgnC_Region>& regions,
                                     cow_List<dtmC_DatumRef>& datums, cow_List<cow_String>& names,
                                     cow_List<cow_String>& steps);
