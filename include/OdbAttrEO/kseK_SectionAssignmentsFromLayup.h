// The kernel's expansion of a composite layup into generated sections,
// section assignments and material orientations, and the elements of the
// picked geometry of each generated set.
#pragma once

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivGeom/gdy_CompositeHitSet.h"

class bme_Mesh;


// What a layup expands into: the generated sections by name, the hit set of
// each generated set by set name, and the generated section assignments
// (ptoC_SectionAssignment) and material orientations
// (ptoC_MaterialOrientation), assignment k going with orientation k.
class kseK_LayupExpansion {
 public:
  mdl_MapString2ObjCow<kseC_Section> sections;
  cow_Map<cow_String, gdy_CompositeHitSet> hitSets;
  cow_List<cow_COW<kern_Object>> assignments;
  cow_List<cow_COW<kern_Object>> orientations;
};

// Fills the four outputs with the expansion of `layup` for instance
// `instanceName` of model `modelName`; they are left empty when the layup
// expands into nothing. Stand-in: answers the expansion stored on the layup
// (ptoK_CompositeLayup::expansion).
void kseK_SectionAssignmentsFromLayup(const ptoK_CompositeLayup& layup, const cow_String& modelName,
                                      const ftr_PrimaryObject* object,
                                      const cow_String& instanceName,
                                      mdl_MapString2ObjCow<kseC_Section>& sections,
                                      cow_Map<cow_String, gdy_CompositeHitSet>& hitSets,
                                      cow_List<cow_COW<kern_Object>>& assignments,
                                      cow_List<cow_COW<kern_Object>>& orientations);

// Fills `ids` with the zero-based indices of the elements of `mesh` that
// `hits` covers, in the hit set's order; indices outside the mesh are left
// out.
void gme_GetElementIdsFromHits(const gdy_CompositeHitSet& hits, const bme_Mesh& mesh,
                               cow_List<int>& ids);
