// The model adapter: the step names it reads once, its clone, and the type
// tests guarding the repositories it passes through from the host model.

#include "aif/impl/core/aif_Model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

// The text of the type-test error `f` throws, its line number shown as "N".
template <class F>
std::string TypeTestError(F&& f) {
  try {
    f();
  } catch (const nex_TextException& e) {
    std::string text = e.Text().Str();
    const std::size_t line = text.rfind(", line ");
    if (line != std::string::npos) text.replace(line, text.size() - line, ", line N).");
    return text;
  }
  return "nothing thrown";
}

std::string Expected(const std::string& type, const std::string& file) {
  return "Type test failed: the object is not a " + type + " (source file " + file + ", line N).";
}

template <class Step>
Step Suppressed(Step step) {
  step.SetSuppressed(true);
  return step;
}

// The initial, first analysis and first general step names, "|"-separated.
std::string StepNames(const akw_Model& model) {
  return model.InitialStepName().Str() + "|" + model.FirstAnalysisStepName().Str() + "|" +
         model.FirstGeneralStepName().Str();
}

std::string StepNamesOf(const hst_ModelBuilder& builder) {
  const bas_NewModel model = builder.Model();
  return StepNames(aif_Model(model, "Model-1"));
}

TEST(aif_ModelTest, StepNamesSkipSuppressedAndPerturbationSteps) {
  const auto suppressed = Suppressed(kprC_StaticStep());
  const auto perturbation = hst_ModelBuilder::MakeStep<kprC_FrequencyStep>(false, true);
  EXPECT_EQ("Initial||", StepNamesOf(hst_ModelBuilder()));

  hst_ModelBuilder suppressedInitial;
  suppressedInitial.AddStep("Initial", Suppressed(kprC_InitialStep()))
      .AddStep("Step-1", kprC_StaticStep())
      .AddStep("Step-2", kprC_StaticStep());
  EXPECT_EQ("Step-1|Step-2|Step-2", StepNamesOf(suppressedInitial));

  hst_ModelBuilder allPerturbation;
  allPerturbation.AddStep("Freq-1", perturbation).AddStep("Freq-2", perturbation);
  EXPECT_EQ("Initial|Freq-1|", StepNamesOf(allPerturbation));

  hst_ModelBuilder mixed;
  mixed.AddStep("Step-0", suppressed)
      .AddStep("Freq-1", perturbation)
      .AddStep("Step-2", suppressed)
      .AddStep("Step-3", kprC_StaticStep())
      .AddStep("Step-4", kprC_StaticStep());
  EXPECT_EQ("Initial|Freq-1|Step-3", StepNamesOf(mixed));

  // A clone keeps the texts over the same host model.
  const bas_NewModel model = mixed.Model();
  aif_Model adapter(model, "Model-A");
  adapter.SetOptimizationText("Task-1");
  const std::unique_ptr<aif_Model> clone(adapter.Clone());
  EXPECT_EQ("Model-A|Task-1|Initial|Freq-1|Step-3",
            clone->Name().Str() + "|" + clone->OptimizationText().Str() + "|" + StepNames(*clone));
  EXPECT_EQ(&model, &clone->HostModel());
}

TEST(aif_ModelTest, TypeTestsNameTheFileThatMadeThem) {
  // A counted step after the initial one must be an analysis step, until the
  // first general step is found; suppressed steps are not looked at.
  hst_ModelBuilder twoInitial;
  twoInitial.AddStep("Initial-2", kprC_InitialStep());
  const bas_NewModel twoInitialModel = twoInitial.Model();
  EXPECT_EQ(Expected("kprC_AnalysisStep", "module/aif/impl/aif_Model"),
            TypeTestError([&] { aif_Model(twoInitialModel, "Model-1"); }));
  hst_ModelBuilder late;
  late.AddStep("Extra", Suppressed(kprC_InitialStep()))
      .AddStep("Step-1", kprC_StaticStep())
      .AddStep("Late", kprC_InitialStep());
  EXPECT_EQ("Initial|Step-1|Step-1", StepNamesOf(late));

  bas_NewModel model = hst_ModelBuilder().Model();
  model.SetExtension(bas_NewModel::loadCmd, std::make_shared<mdl_MapString2ObjCow<kloC_Load>>());
  model.SetExtension(bas_NewModel::materialCmd, std::make_shared<mdl_Extension>());
  model.SetExtension(bas_NewModel::assyCmd, std::make_shared<mdl_Extension>());
  const aif_Model adapter(model, "Model-1");
  EXPECT_EQ(Expected("kprC_PropagatingContainer<kloC_Load>", "module/aif/impl/aif_Model"),
            TypeTestError([&] { adapter.Loads(); }));
  EXPECT_EQ(Expected("mdl_Repository", "include/bas_NewModel"),
            TypeTestError([&] { adapter.Materials(); }));
  // The assembly repository is tested for its class alone.
  EXPECT_EQ(Expected("mdl_IDRepository<asoK_Assembly>", "module/aif/impl/aif_Model"),
            TypeTestError([&] { adapter.Assemblies(); }));

  model.SetExtension(bas_NewModel::stepCmd, std::make_shared<mdl_MapString2ObjCow<kloC_Load>>());
  EXPECT_EQ(Expected("kprC_StepContainer", "module/aif/impl/aif_Model"),
            TypeTestError([&] { aif_Model(model, "Model-1"); }));
}

}  // namespace
