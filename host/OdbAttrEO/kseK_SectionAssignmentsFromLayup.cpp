#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"

#include "OdbCoreGeom/bme_Mesh.h"

void kseK_SectionAssignmentsFromLayup(const ptoK_CompositeLayup& layup, const cow_String&,
                                      const ftr_PrimaryObject*, const cow_String&,
                                      mdl_MapString2ObjCow<kseC_Section>& sections,
                                      cow_Map<cow_String, gdy_CompositeHitSet>& hitSets,
                                      cow_List<cow_COW<kern_Object>>& assignments,
                                      cow_List<cow_COW<kern_Object>>& orientations) {
  sections = mdl_MapString2ObjCow<kseC_Section>();
  hitSets = cow_Map<cow_String, gdy_CompositeHitSet>();
  assignments.Clear();
  orientations.Clear();
  if (!layup.expansion) return;
  sections = layup.expansion->sections;
  hitSets = layup.expansion->hitSets;
  assignments = layup.expansion->assignments;
  orientations = layup.expansion->orientations;
}

void gme_GetElementIdsFromHits(const gdy_CompositeHitSet& hits, const bme_Mesh& mesh,
                               cow_List<int>& ids) {
  ids.Clear();
  const int count = static_cast<int>(mesh.NumElements());
  ids.Reserve(hits.elementIndices.Length());
  for (int index : hits.elementIndices)
    if (index >= 0 && index < count) ids.Append(index);
}
