// The model the film and radiation keyword tests write in: a part "P" of two
// bricks of edge 1 in instances "I-1" (id 1, in place) and "I-2" (id 2,
// moved by 10 along x), a step "Step-1" and the fields
//   "Expr"   1 + x;
//   "Mapped" mesh index 0 maps to 2, index 1 to 3, with a note;
//   "Disc"   a table for "I-1" only (element 1 holds 4), default 0.5;
//   "Bare"   the same table without a default.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace aif_thermal_test {

class Model {
 public:
  // `second` sets I-2 apart (inactive, mesh-locked); its placement is kept.
  explicit Model(hst_ModelBuilder::InstanceOptions second = {}) {
    builder_.AddPart("P", hst_GridMesh(2, 1, 1));
    builder_.AddInstance("I-1", "P");
    hst_ModelBuilder::InstanceOptions moved = second;
    moved.transform = gsl_Matrix::Translation(gsl_Vector(10.0, 0.0, 0.0));
    builder_.AddInstance("I-2", "P", moved);
    builder_.AddStep("Step-1", kprC_StaticStep());
    kfdC_ExpressionField expression;
    expression.constant = 1.0;
    expression.gradient = {1.0, 0.0, 0.0};
    builder_.AddAnalyticalField("Expr", expression);
    mapped.values.Set(0, 2.0);
    mapped.values.Set(1, 3.0);
    mapped.note = "Mapped from the nearest source points.";
    for (const bool withDefault : {true, false}) {
      kfdC_DiscreteField discrete;
      discrete.SetLocation(kfdC_DiscreteField::kElements);
      if (withDefault) discrete.SetDefaultValues({0.5});
      kfdC_DataTable table("I-1");
      table.SetDomain({1}, {4.0});
      discrete.AddDataTable(table);
      builder_.AddDiscreteField(withDefault ? "Disc" : "Bare", discrete);
    }
    ajbC_CheckingMessages::Instance().Messages().Clear();
    ajbC_CheckingMessages::Instance().Warnings().Clear();
  }
  ~Model() {
    ajbC_CheckingMessages::Instance().Messages().Clear();
    ajbC_CheckingMessages::Instance().Warnings().Clear();
  }

  // The context of a part-based or a flat file, "Mapped" as it stands.
  const aif_ModelInfo& Info(bool flat = false) {
    builder_.AddAnalyticalField("Mapped", mapped);
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    model_ = builder_.Model();
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    return *info_;
  }

  kfdC_MappedField mapped;

 private:
  hst_ModelBuilder builder_;
  bas_NewModel model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
};

// Element 1 of I-1 (index 0, face S3, centroid x 0.5), element 2 of I-1
// (index 1, face S4 at x 2) and element 1 of I-2 (SPOS, the element's
// centroid, x 10.5); with `stray`, faces of an id that is no instance (no
// centroids) too.
inline rgnC_Region Faces(bool stray = false) {
  rgnC_Region region("Surf-1", {"Assembly"});
  region.SetKernelElementIndices(1, {0, 1}, {"S3", "S4"});
  region.SetKernelElementIndices(2, {0}, {"SPOS"});
  if (stray) region.SetKernelElementIndices(99, {0}, {"S2"});
  return region;
}

// Nodes 1 (x 0) and 3 (x 2) of I-1, node 0 listed twice; node 2 (x 11) of
// I-2.
inline rgnC_Region Nodes() {
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelNodeIndices(1, {0, 2, 0});
  region.SetKernelNodeIndices(2, {1});
  return region;
}

// The checking messages (first list), or the warnings, taken and cleared.
inline std::vector<std::string> TakeMessages(bool warnings = false) {
  auto& list = warnings ? ajbC_CheckingMessages::Instance().Warnings()
                        : ajbC_CheckingMessages::Instance().Messages();
  std::vector<std::string> texts;
  for (const atr_String& text : list)
    texts.push_back(text.Str());
  list.Clear();
  return texts;
}

}  // namespace aif_thermal_test
