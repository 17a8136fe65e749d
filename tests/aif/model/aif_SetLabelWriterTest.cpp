// Member lists: generate ranges, widths, 16 labels a line and the trailing
// comma, restart jobs, flat offsets, instance and assembly blocks, and the
// names of the internal element sets of surfaces.
#include "aif/impl/model/aif_SetLabelWriter.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>

#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif_MeshTestSupport.h"

namespace {

using Writer = aif_SetLabelWriter;

struct Context {
  explicit Context(const hst_ModelBuilder& b, int jobType = ajbC_FULL_ANALYSIS, bool flat = false)
      : model(b.Model()),
        job("J", b.Job(jobType), model),
        info(aif_test::MeshContext::Make(job, flat)) {}
  std::string Block(const cow_List<int>& labels) const {
    return aif_test::WrittenText(
        [&](utl_Stream& s) { Writer().WriteBlock(s, labels, "*Elset, elset=E", *info); });
  }
  bas_NewModel model;
  aif_Job job;
  std::unique_ptr<aif_ModelInfo> info;
};

// `count` labels from `first`, `step` apart, then `last` when given.
cow_List<int> Range(int first, int count, int step = 1, int last = 0) {
  cow_List<int> labels;
  for (int i = 0; i < count; ++i)
    labels.Append(first + i * step);
  if (last) labels.Append(last);
  return labels;
}

TEST(aif_SetLabelWriter, GenerateRangesWidthsAndLines) {
  hst_ModelBuilder b;
  Context c(b);
  EXPECT_EQ(c.Block(cow_List<int>({3, 1, 2, 2})), "*Elset, elset=E, generate\n 1,  3,  1\n");
  EXPECT_EQ(c.Block(cow_List<int>({4, 1, 2})), "*Elset, elset=E\n 1, 2, 4\n");
  EXPECT_EQ(c.Block(cow_List<int>({10, 5})), "*Elset, elset=E\n  5, 10\n");
  EXPECT_EQ(c.Block(cow_List<int>({7})), "*Elset, elset=E\n 7,\n");
  EXPECT_EQ(c.Block(Range(100000, 3, 50)),
            "*Elset, elset=E, generate\n 100000,  100100,      50\n");
  EXPECT_EQ(c.Block(cow_List<int>({1, 1234567})), "*Elset, elset=E\n      1,1234567\n");
  EXPECT_EQ(c.Block(cow_List<int>({1, 123456})), "*Elset, elset=E\n      1, 123456\n");
  EXPECT_EQ(c.Block({}), "");

  // A line holds 16 labels; only a single label on the last line has a comma.
  EXPECT_EQ(c.Block(Range(1, 16, 1, 40)),
            "*Elset, elset=E\n"
            "  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15, 16\n"
            " 40,\n");
  EXPECT_EQ(c.Block(Range(1, 31, 1, 99)),
            "*Elset, elset=E\n"
            "  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15, 16\n"
            " 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 99\n");
}

TEST(aif_SetLabelWriter, RestartJobNeverGenerates) {
  hst_ModelBuilder b;
  Context c(b, ajbC_RESTART);
  const std::string text = c.Block(Range(1, 100));
  EXPECT_EQ(8, std::count(text.begin(), text.end(), '\n'));  // the keyword and 100 labels
  EXPECT_EQ(text.substr(0, text.find('\n', 16) + 1),
            "*Elset, elset=E\n"
            "   1,   2,   3,   4,   5,   6,   7,   8,   9,  10,  11,  12,  13,  14,  15,  16\n");
  EXPECT_EQ(text.substr(text.size() - 20), "  97,  98,  99, 100\n");
}

TEST(aif_SetLabelWriter, InstanceBlocksOffsetsAndOptions) {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(3, 1, 1));
  const int i1 = static_cast<int>(b.AddInstance("Inst 1", "P"));
  const int i2 = static_cast<int>(b.AddInstance("Inst-2", "P"));
  Writer::LabelsById byId;
  byId.Set(i2, cow_List<int>({1, 2, 3}));
  byId.Set(i1, cow_List<int>({2}));
  byId.Set(77, {});
  Writer::LabelsByName byName;
  byName.Set("ASSY", cow_List<int>({5}));
  byName.Set("Inst-2", cow_List<int>({1, 3}));
  auto write = [&](const aif_ModelInfo& info, bool option) {
    return aif_test::WrittenText([&](utl_Stream& s) {
      Writer writer;
      writer.SetInstanceOption(option);
      writer.WriteInstanceBlocks(s, byId, "*Elset, elset=E", info, Writer::kElements);
      writer.WriteNamedInstanceBlocks(s, byName, "*Nset, nset=N", info);
    });
  };
  Context partBased(b);
  EXPECT_EQ(write(*partBased.info, true),
            "*Elset, elset=E, instance=\"Inst 1\"\n 2,\n"
            "*Elset, elset=E, instance=Inst-2, generate\n 1,  3,  1\n"
            "*Nset, nset=N\n 5,\n"
            "*Nset, nset=N, instance=Inst-2\n 1, 3\n");
  EXPECT_EQ(write(*partBased.info, false),
            "*Elset, elset=E\n 2,\n*Elset, elset=E, generate\n 1,  3,  1\n"
            "*Nset, nset=N\n 5,\n*Nset, nset=N\n 1, 3\n");

  // Flat, labels kept and shifted by the element offset; the width stays
  // that of the stored labels.
  setenv("TVN_AIF_ELEMENTOFFSET", "1000", 1);
  hst_ModelBuilder single;
  single.AddPart("P", hst_GridMesh(3, 1, 1));
  const int only = static_cast<int>(single.AddInstance("Only", "P"));
  Context flat(single, ajbC_FULL_ANALYSIS, true);
  unsetenv("TVN_AIF_ELEMENTOFFSET");
  ASSERT_EQ(1000, flat.info->AssyElementOffsetsID(only));
  Writer::LabelsById ofOnly;
  ofOnly.Set(only, cow_List<int>({1, 2, 3}));
  EXPECT_EQ(
      aif_test::WrittenText([&](utl_Stream& s) {
        Writer().WriteInstanceBlocks(s, ofOnly, "*Elset, elset=E", *flat.info, Writer::kElements);
        Writer().WriteNamedInstanceBlocks(s, byName, "*Nset, nset=N", *flat.info);
      }),
      "*Elset, elset=E, generate\n1001, 1003,  1\n*Nset, nset=N\n 5,\n*Nset, nset=N\n 1, 3\n");
}

TEST(aif_SetLabelWriter, TheAssemblysOwnMembersNameNoInstance) {
  // The assembly has a mesh of its own, so its feature id has a name; its
  // members are written in the assembly's scope all the same, with plain
  // labels, beside an instance's block (internal face sets alike).
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(1, 1, 1));
  const int inst = static_cast<int>(b.AddInstance("I-1", "P"));
  b.AddAssemblyNodes(hst_Mesh({0, 0, 0, 1, 0, 0, 2, 0, 0}, "T3D2", 2, {0, 1, 1, 2}), 0);
  Context c(b);
  const int own = static_cast<int>(ftr_kAssemblyId);
  ASSERT_EQ("Assembly", c.info->FeatureName(ftr_kAssemblyId).Str());
  Writer::LabelsById labels;
  labels.Set(own, cow_List<int>({2, 1}));
  labels.Set(inst, cow_List<int>({1}));
  Writer::FacesById faces;
  faces.Set(own, {"S1", "S1"});
  faces.Set(inst, {"S1"});
  aif_SetNameRegistry::Instance().Clear();
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) {
              Writer().WriteInstanceBlocks(s, labels, "*Nset, nset=N", *c.info, Writer::kNodes);
            }),
            "*Nset, nset=N, instance=I-1\n 1,\n*Nset, nset=N\n 1, 2\n");
  EXPECT_EQ(aif_test::StreamText([&](utl_Stream& s) {
              Writer().WriteInternalFaceSets(s, faces, labels, "Outer", "", *c.info);
            }),
            "*Elset, elset=_Outer_S1, internal, instance=I-1\n 1,\n"
            "*Elset, elset=_Outer_S1, internal\n 1, 2\n");
}

TEST(aif_SetLabelWriter, InternalFaceSetsTakeTheCounterOfTheSetWritten) {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(3, 1, 1));
  const int id = static_cast<int>(b.AddInstance("I", "P"));
  Context c(b);
  Writer::FacesById faces;
  faces.Set(id, {"S2", "S1", "S2"});
  Writer::LabelsById labels;
  labels.Set(id, cow_List<int>({3, 1, 2}));
  aif_SetNameRegistry::Instance().Clear();
  aif_SetNameRegistry::Instance().AddElset("_SURF1_S1", false);
  auto write = [&](const cow_String& surface, const cow_String& scope, bool option) {
    Writer::NameMap names;
    const std::string text = aif_test::StreamText([&](utl_Stream& s) {
      Writer writer;
      writer.SetInstanceOption(option);
      names = writer.WriteInternalFaceSets(s, faces, labels, surface, scope, *c.info);
    });
    return std::make_pair(text, names);
  };
  auto [text, names] = write("Surf1", "", true);
  EXPECT_EQ(text,
            "*Elset, elset=_Surf1_S2, internal, instance=I\n 2, 3\n"
            "*Elset, elset=_Surf1_S1_1, internal, instance=I\n 1,\n");
  EXPECT_EQ(names.Get("S1"), "_Surf1_S1_1");
  EXPECT_EQ(names.Get("S2"), "_Surf1_S2");
  EXPECT_EQ(write("Surf1", "Inst1", true).second.Get("S2"), "Inst1._Surf1_S2");
  // A dotted surface written without instance options (an instance's
  // surface in a restart job) names the sets written, counter included.
  std::tie(text, names) = write("A.Surf1", "", false);
  EXPECT_EQ(text,
            "*Elset, elset=A._Surf1_S2, internal\n 2, 3\n"
            "*Elset, elset=A._Surf1_S1, internal\n 1,\n");
  EXPECT_EQ(names.Get("S1"), "A._Surf1_S1");
  EXPECT_EQ(names.Get("S2"), "A._Surf1_S2");
  std::tie(text, names) = write("A.Surf1", "", false);
  EXPECT_EQ(text,
            "*Elset, elset=A._Surf1_S2_1, internal\n 2, 3\n"
            "*Elset, elset=A._Surf1_S1_1, internal\n 1,\n");
  EXPECT_EQ(names.Get("S2"), "A._Surf1_S2_1");
  EXPECT_EQ(write("_INT-ATTSETSURF-1", "", true).second.Get("S1"), "_INT-ATTSETSURF-1_S1");
  EXPECT_EQ(Writer::MapMemberNames(faces, "A.\"B c\"").Get("S1"), "A.\"_B c_S1\"");
}

}  // namespace
