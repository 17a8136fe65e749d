// Models and contexts for the tests of the optimization parameter file: a
// model with one meshed plate instance and two assembly datum systems, and
// the write context of an optimization process for its task "Task-1".
#pragma once

#include <memory>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "OdbAttrEO/kopC_Task.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_OptimizationProcess.h"

namespace aif_kest_test {

// "Plate" meshed 2 x 2 x 1, its instance "Plate-1"; assembly datums "Csys-1"
// (rectangular, moved to (1, 2, 3)) and "Cyl" (cylindrical), and a datum
// point "Point".
inline hst_ModelBuilder PlateModel() {
  hst_ModelBuilder b;
  b.AddPart("Plate", hst_GridMesh(2, 2, 1));
  b.AddInstance("Plate-1", "Plate");
  b.AddAssemblyDatum("Csys-1", dtu_DatumCsys(1, {1, 2, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
  b.AddAssemblyDatum("Cyl", dtu_DatumCsys(2, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
  b.AddAssemblyDatum("Point", dtu_Datum());
  return b;
}

// The result variables of the tests in the variable table: "SIG_MISES" on
// an element group (flag 4), "DISP" on a node group (2), "ENERGY" on either
// (4 and 2), "DISP_REL" on a node group and a second one (2 and 8), "MASS"
// on none.
inline void KestVariables() {
  kopC_VariableTable& table = kopC_VariableTable::Instance();
  table.Set("SIG_MISES", 4);
  table.Set("DISP", 2);
  table.Set("ENERGY", 4 | 2);
  table.Set("DISP_REL", 2 | 8);
  table.Set("MASS", 0);
}

inline dtmC_DatumRef Datum(const char* name) {
  return dtmC_DatumRef{{}, name};
}

// The optimization object of the tests: process "Opt-1" of task `task`.
inline ajbC_Optimization Optimization(const cow_String& task = "Task-1") {
  return ajbC_Optimization("Model-1", task);
}

// The write context of an optimization process of `model`; the model and
// the process live as long as the context.
struct Context {
  explicit Context(const hst_ModelBuilder& b, const ajbC_Optimization& opt = Optimization())
      : model(b.Model()),
        process("Opt-1", opt, model),
        info(std::make_unique<aif_ModelInfo>(process)) {}
  bas_NewModel model;
  aif_OptimizationProcess process;
  std::unique_ptr<aif_ModelInfo> info;
  aif_ModelInfo& Info() { return *info; }
  // The task under `name` as the model holds it.
  const kopC_Task& Task(const cow_String& name = "Task-1") {
    return info->ModelAdapter().Tasks().ConstGet(name);
  }
};

}  // namespace aif_kest_test
