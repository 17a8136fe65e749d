// The MESH_SMOOTH block of a shape task: the region smoothed around the
// moving nodes, the free-surface treatment, the strategy and the element
// quality limits. Made by the task builder; OPTIMIZE names it on its
// "  MESH_SMOOTH = " line.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_ModelInfo;
class kopC_Task;

class aif_MeshSmooth : public akw_Keyword {
 public:
  aif_MeshSmooth(aif_ModelInfo& info, const kopC_Task& task) : info_(info), task_(task) {}
  aif_MeshSmooth(const aif_MeshSmooth&) = default;
  akw_Keyword* Clone() const override { return new aif_MeshSmooth(*this); }

  // Nothing unless the task is a shape task that smooths (region kind not
  // 0). Then "MESH_SMOOTH", ID_NAME (task name + "_MESH_SMOOTH_"), EL_GROUP
  // or MS_LAYER, FREE_SF, the strategy's lines, LEVEL_QUAL, QUAL_LIST,
  // SOLVER_CHECK, SOLVER_STOP, the ten quality limits unless the quality
  // level is 0, "END_".
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  const kopC_Task& task_;
};
