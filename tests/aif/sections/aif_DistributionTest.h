// The context the distribution tests write in: a part "P" of two bricks
// (elements 1 and 2, nodes 1 to 12) with instances of it, part-based or flat.
// In a flat file two instances have conflicting labels: the second one's
// elements are written as 3 and 4 and its nodes as 13 to 24.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace aif_distribution_test {

class Context {
 public:
  explicit Context(bool flat, std::initializer_list<const char*> instances = {"A", "B"},
                   const char* elementOffset = nullptr, const char* nodeOffset = nullptr) {
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    if (elementOffset) setenv("TVN_AIF_ELEMENTOFFSET", elementOffset, 1);
    if (nodeOffset) setenv("TVN_AIF_NODEOFFSET", nodeOffset, 1);
    builder_.AddPart("P", hst_GridMesh(2, 1, 1));
    for (const char* name : instances)
      builder_.AddInstance(name, "P");
    model_ = builder_.Model();
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    unsetenv("TVN_AIF_ELEMENTOFFSET");
    unsetenv("TVN_AIF_NODEOFFSET");
  }
  aif_ModelInfo* Info() { return info_.get(); }

 private:
  hst_ModelBuilder builder_;
  bas_NewModel model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
};

// A use of field `name` of scope `scope` by `users`, with one column type.
inline akw_DiscreteField Record(const char* name, int scope,
                                std::initializer_list<cow_String> users, const char* owner = "P") {
  akw_DiscreteField record;
  record.field = name;
  record.owner = owner;
  record.ownerKind = scope;
  record.users = cow_List<cow_String>(users);
  record.components = {"SCALAR"};
  record.useCount = 1;
  return record;
}

inline kfdC_DataTable Table(const char* name, std::initializer_list<int> labels,
                            std::initializer_list<double> values) {
  kfdC_DataTable table(name);
  table.SetDomain(cow_List<int>(labels), cow_List<double>(values));
  return table;
}

// An element field of one component, default 1.5: an unnamed table holding
// elements 1 and 2 and a table for each of the instances A and B.
inline kfdC_DiscreteField ScalarField() {
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kElements);
  field.SetDefaultValues({1.5});
  field.SetDescription("density");
  field.AddDataTable(Table("", {1, 2}, {2.5, 3.25}));
  field.AddDataTable(Table("A", {1}, {7.0}));
  field.AddDataTable(Table("B", {2}, {8.0}));
  return field;
}

}  // namespace aif_distribution_test
