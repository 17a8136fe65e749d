#include "ModKerLow/mgt_Thickness.h"

namespace {

void Append(const cow_List<int>& storedIds, const cow_List<double>& storedValues,
            cow_List<int>& ids, cow_List<double>& values) {
  ids.Append(storedIds);
  values.Append(storedValues);
}

}  // namespace

bool mgt_ComputeThicknessAndOffset(const ftr_PrimaryObject*, const asoF_PartInstance&,
                                   const cow_String&, const cow_List<rgnC_Region>& regions,
                                   mgt_ThicknessDataEvaluator& data) {
  data.AddRegions(regions.Length());
  return true;
}

bool mgt_GetNodalThickness(const ftr_PrimaryObject*, const asoF_PartInstance&, const cow_String&,
                           const cow_List<rgnC_Region>& regions, const mgt_ThicknessDataEvaluator&,
                           cow_List<int>& ids, cow_List<double>& values) {
  for (const rgnC_Region& region : regions)
    Append(region.KernelThicknessNodes(), region.KernelThicknesses(), ids, values);
  return true;
}

bool mgt_GetNodalThickness(const ptoK_Part&, const cow_String&, const cow_String&,
                           const rgnC_Region& region, const mgt_ThicknessDataEvaluator&,
                           cow_List<int>& ids, cow_List<double>& values) {
  Append(region.KernelThicknessNodes(), region.KernelThicknesses(), ids, values);
  return true;
}

bool mgt_GetElemOffset(const ftr_PrimaryObject*, const asoF_PartInstance&, const cow_String&,
                       const cow_List<rgnC_Region>& regions, const mgt_ThicknessDataEvaluator&,
                       cow_List<int>& ids, cow_List<double>& values) {
  for (const rgnC_Region& region : regions)
    Append(region.KernelOffsetElements(), region.KernelOffsets(), ids, values);
  return true;
}

bool mgt_GetElemOffset(const ptoK_Part&, const cow_String&, const cow_String&,
                       const rgnC_Region& region, const mgt_ThicknessDataEvaluator&,
                       cow_List<int>& ids, cow_List<double>& values) {
  Append(region.KernelOffsetElements(), region.KernelOffsets(), ids, values);
  return true;
}
