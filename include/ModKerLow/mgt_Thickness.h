// The mesh services that derive a shell's thickness (per node) and its
// offset from the reference surface (per element) from the geometry. The
// stand-in computes nothing: it answers what a test stored on the region
// (rgnC_Region::SetKernelThicknesses, SetKernelOffsets).
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"

class asoF_PartInstance;
class ftr_PrimaryObject;
class ptoK_Part;

// The thickness data of the regions of one instance, computed once and read
// by the queries below.
class mgt_ThicknessDataEvaluator {
 public:
  explicit mgt_ThicknessDataEvaluator(bool smooth) : smooth_(smooth) {}
  bool Smooth() const { return smooth_; }
  // The number of regions computed into this evaluator.
  std::size_t Regions() const { return regions_; }
  void AddRegions(std::size_t count) { regions_ += count; }

 private:
  bool smooth_;
  std::size_t regions_ = 0;
};

// Computes the thickness data of `regions` of `instance` into `data`;
// returns whether it succeeded (always, in the stand-in).
bool mgt_ComputeThicknessAndOffset(const ftr_PrimaryObject* object,
                                   const asoF_PartInstance& instance, const cow_String& modelName,
                                   const cow_List<rgnC_Region>& regions,
                                   mgt_ThicknessDataEvaluator& data);

// Instance form: the node indices of the regions with their thickness each
// (`ids` and `values` appended to, in step). Returns whether it succeeded.
bool mgt_GetNodalThickness(const ftr_PrimaryObject* object, const asoF_PartInstance& instance,
                           const cow_String& modelName, const cow_List<rgnC_Region>& regions,
                           const mgt_ThicknessDataEvaluator& data, cow_List<int>& ids,
                           cow_List<double>& values);
// Part form, for the part of a lightweight instance; `name` is unused.
bool mgt_GetNodalThickness(const ptoK_Part& part, const cow_String& name,
                           const cow_String& modelName, const rgnC_Region& region,
                           const mgt_ThicknessDataEvaluator& data, cow_List<int>& ids,
                           cow_List<double>& values);
// The element indices of the regions with their offset ratio each.
bool mgt_GetElemOffset(const ftr_PrimaryObject* object, const asoF_PartInstance& instance,
                       const cow_String& modelName, const cow_List<rgnC_Region>& regions,
                       const mgt_ThicknessDataEvaluator& data, cow_List<int>& ids,
                       cow_List<double>& values);
bool mgt_GetElemOffset(const ptoK_Part& part, const cow_String& name, const cow_String& modelName,
                       const rgnC_Region& region, const mgt_ThicknessDataEvaluator& data,
                       cow_List<int>& ids, cow_List<double>& values);
