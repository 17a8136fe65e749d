// The model the interaction keyword tests name regions in: the instance
// Block-1 of a one-brick part, the steps "Initial" and "Step-1"; the model
// info part-based or flat. Regions of the instance: "Master", "Slave",
// "Top" (surfaces) and "Set-1" (a set).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

class aif_InteractionTestModel : public ::testing::Test {
 protected:
  void SetUp() override {
    builder_.AddPart("Block", hst_GridMesh(1, 1, 1));
    builder_.AddInstance("Block-1", "Block");
    builder_.AddStep("Step-1", kprC_StaticStep());
  }

  // The model info of the model, flat when asked.
  const aif_ModelInfo& Info(bool flat = false) {
    std::unique_ptr<aif_ModelInfo>& info = flat ? flatInfo_ : partInfo_;
    if (!info) {
      if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
      models_.push_back(std::make_unique<bas_NewModel>(builder_.Model()));
      jobs_.push_back(std::make_unique<aif_Job>("Job-1", builder_.Job(), *models_.back()));
      info = std::make_unique<aif_ModelInfo>(*jobs_.back());
      pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    }
    return *info;
  }

  // A region of Block-1.
  static rgnC_Region BlockRegion(const char* name) {
    return rgnC_Region(name, {"Assembly", "Block-1"});
  }

  hst_ModelBuilder builder_;
  std::vector<std::unique_ptr<bas_NewModel>> models_;
  std::vector<std::unique_ptr<aif_Job>> jobs_;
  std::unique_ptr<aif_ModelInfo> partInfo_;
  std::unique_ptr<aif_ModelInfo> flatInfo_;
};
