// The kernel's collector of the adaptive mesh constraints applied in a datum
// coordinate system.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbCoreGeom/rgnC_Region.h"

// Appends, for every adaptive mesh constraint of the model `modelName` that
// is not suppressed and names a local datum system, in name order: its
// region, its datum system, its name and the first step it is created in
// (empty when no step creates it). Nothing for a model the database does not
// hold.
void kprK_CollectAMCCsysRegionAndStep(const cow_String& modelName, cow_List<rgnC_Region>& regions,
                                      cow_List<dtmC_DatumRef>& datums, cow_List<cow_String>& names,
                                      cow_List<cow_String>& steps);
