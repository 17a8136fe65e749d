// The model the field-line tests evaluate fields on: Block-1 (id 1, in
// place) and Block-2 (id 2, moved by 10 along x) of a part of two bricks
// (nodes 0 to 11 at x 0..2, y 0..1, z 0..1, x fastest); step "Step-1";
// the analytical fields "Expr" (1 + x + 10 y + 100 z), "Plain" (neither
// expression nor mapped) and "Mapped" (index i maps to 5 + i, as `mapped_`
// holds it when Info() is asked). The checking messages are cleared before
// and after each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

class aif_FieldTestModel : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearFieldMessages();
    builder_.AddPart("Block", hst_GridMesh(2, 1, 1));
    builder_.AddInstance("Block-1", "Block");
    hst_ModelBuilder::InstanceOptions moved;
    moved.transform = gsl_Matrix::Translation(gsl_Vector(10.0, 0.0, 0.0));
    builder_.AddInstance("Block-2", "Block", moved);
    builder_.AddStep("Step-1", kprC_StaticStep());
    kfdC_ExpressionField expression;
    expression.constant = 1.0;
    expression.gradient = {1.0, 10.0, 100.0};
    builder_.AddAnalyticalField("Expr", expression);
    builder_.AddAnalyticalField("Plain", kfdC_AnalyticalField());
    for (int index = 0; index < 12; ++index)
      mapped_.values.Set(index, 5.0 + index);
  }
  void TearDown() override {
    ClearFieldMessages();
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    unsetenv("TVN_AIF_NODEOFFSET");
  }
  static void ClearFieldMessages() {
    ajbC_CheckingMessages::Instance().Messages().Clear();
    ajbC_CheckingMessages::Instance().Warnings().Clear();
  }

  // Nodes 1, 0, 1 of Block-1 and node 0 of Block-2.
  static rgnC_Region TwoInstanceNodes() {
    rgnC_Region region("Set-1", {"Assembly"});
    region.SetKernelNodeIndices(1, {1, 0, 1});
    region.SetKernelNodeIndices(2, {0});
    return region;
  }

  // Fields a test adds just before the model is taken.
  virtual void AddLateFields() {}

  // The model info of the model as built: flat when asked, with
  // TVN_AIF_NODEOFFSET at `nodeOffset` when given.
  const aif_ModelInfo& Info(bool flat = false, const char* nodeOffset = nullptr) {
    builder_.AddAnalyticalField("Mapped", mapped_);
    AddLateFields();
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    if (nodeOffset) setenv("TVN_AIF_NODEOFFSET", nodeOffset, 1);
    model_ = builder_.Model();
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    unsetenv("TVN_AIF_NODEOFFSET");
    return *info_;
  }

  static std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const atr_String& text : ajbC_CheckingMessages::Instance().Messages())
      texts.push_back(text.Str());
    return texts;
  }

  hst_ModelBuilder builder_;
  kfdC_MappedField mapped_;
  bas_NewModel model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
};
