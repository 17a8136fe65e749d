// The OPT_PARAM block: the numerical settings of the optimization algorithm
// for the task (the topology task's controller or sensitivity form, or the
// shape task's settings). Made by the task builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_ModelInfo;
class kopC_Task;
class kopC_TopologyTask;
class kopC_ShapeTask;
class utl_Stream;

class aif_OptParam : public akw_Keyword {
 public:
  aif_OptParam(aif_ModelInfo& info, const kopC_Task& task) : info_(info), task_(task) {}
  aif_OptParam(const aif_OptParam&) = default;
  akw_Keyword* Clone() const override { return new aif_OptParam(*this); }

  // "OPT_PARAM", ID_NAME (task name + "_OPT_PARAM_"), "  OPTIMIZE = " the
  // task, the lines of the task's kind (none for another kind), "END_".
  // Unset optional values and values outside their word tables write no
  // line.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteTopology(utl_Stream& stream, const kopC_TopologyTask& task) const;
  void WriteShape(utl_Stream& stream, const kopC_ShapeTask& task) const;

  aif_ModelInfo& info_;
  const kopC_Task& task_;
};
