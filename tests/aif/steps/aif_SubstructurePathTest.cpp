// "*Substructure Path": the enter and leave lines around the wrapped
// keywords, once per path, with the element labels of the substructure
// instances on the path.
#include "aif/impl/steps/aif_SubstructurePath.h"

#include <memory>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace {

// Substructure instances "Sub-1" (id 1) and "Sub-2" (id 2), an ordinary
// instance "Plain-1" (id 3) and an inactive substructure "Off-1" (id 4).
hst_ModelBuilder SubstructurePathModel(bool flat) {
  auto mesh = hst_GridMesh(1, 1, 1);
  mesh->SetElementFile("Z1", "sub.dat");
  hst_ModelBuilder b;
  b.AddPart("Reduced", mesh);
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  hst_ModelBuilder::InstanceOptions substructure;
  substructure.theory.fileElements = true;
  substructure.substructure = true;
  b.AddInstance("Sub-1", "Reduced", substructure);
  b.AddInstance("Sub-2", "Reduced", substructure);
  b.AddInstance("Plain-1", "Block");
  substructure.active = false;
  b.AddInstance("Off-1", "Reduced", substructure);
  b.Assembly().SetRequiresFlatInputFile(flat);
  return b;
}

// What the path keyword writes for `paths` around one comment keyword, with
// the first labels 7 (Sub-1), 9 (Sub-2) and 11 (Off-1) recorded in a flat
// file.
std::string SubstructurePathText(const cow_List<cow_String>& paths, bool flat = true,
                                 bool withKeyword = true) {
  const hst_ModelBuilder b = SubstructurePathModel(flat);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  if (aif_ModelInfo::LabelTableType* table = info.LabelTable()) {
    for (const auto& [id, label] : {std::pair{1, 7}, {2, 9}, {4, 11}}) {
      auto record = std::make_unique<aif_ElementFileRecord>(id);
      record->SetFirstLabel(label);
      table->Set(id, std::move(record));
    }
  }
  akw_KeywordList keywords;
  if (withKeyword) keywords.Append(akw_KeywordHandle(new aif_Comment("Wrapped")));
  return aif_test::KeywordText(aif_SubstructurePath(paths, keywords, info));
}

TEST(aif_SubstructurePathTest, EnterAndLeaveEveryPath) {
  // Two paths through one instance: the wrapped keywords are written twice.
  EXPECT_EQ(SubstructurePathText({"Sub-1.Set-1", "Sub-1.Set-2"}),
            "** Output Request for Part Instance: Sub-1\n"
            "*Substructure Path, enter element=7\n"
            "** Wrapped\n"
            "*Substructure Path, leave\n"
            "** Output Request for Part Instance: Sub-1\n"
            "*Substructure Path, enter element=7\n"
            "** Wrapped\n"
            "*Substructure Path, leave\n");
  // Nested instances: two enter lines before, two leave lines after.
  EXPECT_EQ(SubstructurePathText({"Sub-1.Sub-2.Set-1"}),
            "** Output Request for Part Instance: Sub-1\n"
            "*Substructure Path, enter element=7\n"
            "*Substructure Path, enter element=9\n"
            "** Wrapped\n"
            "*Substructure Path, leave\n"
            "*Substructure Path, leave\n");
}

TEST(aif_SubstructurePathTest, UnknownInstancesAndEmptyPaths) {
  // An ordinary instance, an inactive substructure and a name no instance
  // has are entered with element 0.
  EXPECT_EQ(SubstructurePathText({"Plain-1.Set-1", "Off-1.Set-1", "Nothing.Set-1"}),
            "** Output Request for Part Instance: Plain-1\n"
            "*Substructure Path, enter element=0\n** Wrapped\n*Substructure Path, leave\n"
            "** Output Request for Part Instance: Off-1\n"
            "*Substructure Path, enter element=0\n** Wrapped\n*Substructure Path, leave\n"
            "** Output Request for Part Instance: Nothing\n"
            "*Substructure Path, enter element=0\n** Wrapped\n*Substructure Path, leave\n");
  // A path without an instance is skipped; no keywords, nothing at all.
  EXPECT_EQ(SubstructurePathText({"Set-1", "Sub-2.Set-1"}),
            "** Output Request for Part Instance: Sub-2\n"
            "*Substructure Path, enter element=9\n** Wrapped\n*Substructure Path, leave\n");
  EXPECT_EQ(SubstructurePathText({"Sub-1.Set-1"}, true, false), "");
  // No labels were recorded in a part-based file.
  EXPECT_EQ(SubstructurePathText({"Sub-1.Set-1"}, false),
            "** Output Request for Part Instance: Sub-1\n"
            "*Substructure Path, enter element=0\n** Wrapped\n*Substructure Path, leave\n");
}

}  // namespace
