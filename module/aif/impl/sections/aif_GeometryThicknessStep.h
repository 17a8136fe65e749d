// The geometry-thickness step of aif_PartAttributesBuilder: distributions
// taken from the geometry of shell regions, as the mesh services computed
// them, a "*Nodal Thickness" (thickness from geometry) or an element offset
// ("*Distribution Table" and "*Distribution", offset from geometry).
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class aif_PartAttributesFiler;
class mgt_ThicknessDataEvaluator;
class rgnC_Region;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_GeometryThicknessStep {
 public:
  aif_GeometryThicknessStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // The distribution of `regions` of the instance from `data`: kind 0 a
  // "*Nodal Thickness" (one row per node), kind 1 an element offset, a
  // "*Distribution Table" in the model (once per record) and a
  // "*Distribution" (one row per element whose offset exceeds 1e-6 in
  // magnitude; every element with MVX_DEBUG_DISTRIBUTION set). A node or
  // element in two regions keeps the value of the first, and a node an
  // earlier nodal thickness of the instance's scope holds is not written
  // again. Filed by the part-level rule. Returns the name, "Thickness_" or
  // "Offset_", the part name without double quotes, "_" and `number` (with "-1", "-2" ... when the
  // write's distribution-name registry holds it).
  cow_String Add(const aif_InstanceScope& scope, const cow_List<rgnC_Region>& regions, int kind,
                 int number, const mgt_ThicknessDataEvaluator& data);
  // Add of kind 0 or 1 under the next number of the write.
  cow_String AddNodalThickness(const aif_InstanceScope& scope, const cow_List<rgnC_Region>& regions,
                               const mgt_ThicknessDataEvaluator& data);
  cow_String AddOffset(const aif_InstanceScope& scope, const cow_List<rgnC_Region>& regions,
                       const mgt_ThicknessDataEvaluator& data);

 private:
  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
