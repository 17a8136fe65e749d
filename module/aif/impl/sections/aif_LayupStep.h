// The composite-layup step of aif_PartAttributesBuilder: the section
// assignments, sections and material orientations the part's layups
// generate, appended behind the part's own, with the elements they cover
// marked, their section points recorded, and their thickness, offset, stack
// direction and discrete orientation prepared.
#pragma once

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"

class aif_PartAttributesFiler;
class ptoC_SectionAssignment;
struct ptoK_CompositeLayup;
class rgnC_Region;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_LayupStep {
 public:
  aif_LayupStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // The layups of the instance's part that are not suppressed, in name order.
  // Throws the type test's nex_TextException when a generated section is not
  // composite.
  void Add(const aif_InstanceScope& scope);

 private:
  // What one layup generated.
  struct Generated {
    mdl_MapString2ObjCow<kseC_Section> sections;
    cow_Map<cow_String, cow_List<int>> members;  // generated set -> element ids
    cow_List<cow_COW<kern_Object>> assignments;
    cow_List<cow_COW<kern_Object>> orientations;
  };

  void AddLayup(const aif_InstanceScope& scope, const ptoK_CompositeLayup& layup);
  // The thickness and offset distributions of the layup's ply `regions`;
  // `thickness` without the flat instance prefix.
  void ThicknessAndOffset(const aif_InstanceScope& scope, const ptoK_CompositeLayup& layup,
                          const cow_List<rgnC_Region>& regions, cow_String& thickness,
                          cow_String& offset);
  // Generated assignment `k` behind those held so far, its elements marked.
  void AppendAssignment(const aif_InstanceScope& scope, const ptoK_CompositeLayup& layup,
                        const Generated& generated, std::size_t k, const cow_String& offset);
  // The section points per layer through the thickness of `sectionName`
  // over `set`, generated from layup `layupName`; a symmetric section
  // repeats its layers in reverse.
  void RecordSectionPoints(const aif_InstanceScope& scope, const kseC_Section& section,
                           const cow_String& set, const cow_String& sectionName,
                           const cow_String& layupName);

  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
