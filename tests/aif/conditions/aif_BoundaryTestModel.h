// What the boundary keyword tests share: a model context to hand the keyword
// (a part "P" of four bricks, instance "I-1", steps "Step-1" and "Step-2"),
// conditions with one state in a step, and the keyword's text.
#pragma once

#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/conditions/aif_Boundary.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace aif_boundary_test {

// The context of a small part-based model.
inline const aif_ModelInfo& Info() {
  struct Context {
    Context() {
      hst_ModelBuilder b;
      b.AddPart("P", hst_GridMesh(4, 1, 1));
      b.AddInstance("I-1", "P");
      b.AddStep("Step-1", kprC_StaticStep());
      b.AddStep("Step-2", kprC_StaticStep());
      model = b.Model();
      job = std::make_unique<aif_Job>("Job-1", b.Job(), model);
      info = std::make_unique<aif_ModelInfo>(*job);
    }
    bas_NewModel model;
    std::unique_ptr<aif_Job> job;
    std::unique_ptr<aif_ModelInfo> info;
  };
  static const Context context;
  return *context.info;
}

inline const unsigned kBuckle = kprC_BuckleStep::kTypeId;
inline const unsigned kStatic = kprC_StaticStep::kTypeId;

// `Condition` with `state` of status `status` in "Step-2", a step of
// procedure type `procedure`.
template <class Condition>
Condition Make(int status, const kern_Object& state, unsigned procedure = kStatic) {
  Condition condition;
  condition.SetName("BC-1");
  condition.SetState("Step-2", status, state, procedure);
  return condition;
}

// A state whose six components carry `values`, each of status `status`.
template <class State>
State Components(std::initializer_list<double> values, int status = 1) {
  State state;
  std::size_t i = 0;
  for (double value : values)
    state.SetComponent(i++, value, status);
  return state;
}

struct Options {
  bool modify = false;
  double scale = 1.0;
  int energyEquation = 0;
  int turbulenceModel = 0;
  bool shellToSolid = false;
  const char* step = "Step-2";
  const char* initialStep = "Initial";
  const char* setName = "Base";
};

inline aif_Boundary Keyword(const kbcC_BC& condition, const Options& o = {}) {
  return aif_Boundary(condition, o.step, o.modify, o.setName, o.shellToSolid, Info(), o.initialStep,
                      o.energyEquation, o.turbulenceModel, o.scale);
}

inline std::string Text(const kbcC_BC& condition, const Options& o = {}) {
  return aif_test::KeywordText(Keyword(condition, o));
}

inline Options Modify() {
  Options o;
  o.modify = true;
  return o;
}

}  // namespace aif_boundary_test
