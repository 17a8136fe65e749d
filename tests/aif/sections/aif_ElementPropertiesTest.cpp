// The per-element table of the part-attribute steps, its grouping, and the
// bytes the part-attributes builder accounts for them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_RebarOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_ElementGroups.h"
#include "aif/impl/sections/aif_ElementProperties.h"
#include "aif/impl/sections/aif_PartAttributesBuilder.h"
#include "support/aif_TestSupport.h"

namespace {

// A mesh of one-node elements: a class per entry of `classes`, holding its
// labels, or (empty labels) `counts` elements without a label table.
struct ElementTableClass {
  std::vector<int> labels;
  std::size_t count = 0;
};
bme_Mesh ElementTableMesh(const std::vector<ElementTableClass>& classes) {
  bme_Mesh mesh;
  for (const ElementTableClass& entry : classes) {
    bme_ElementClass& elementClass = mesh.AddElementClass("MASS", 1);
    const std::size_t n = entry.labels.empty() ? entry.count : entry.labels.size();
    elementClass.MutableConnectivity().assign(n, 0);
    elementClass.MutableUserLabels() = entry.labels;
  }
  return mesh;
}

// The positions of `labels` as "label:position" words.
std::string ElementTablePositions(aif_ElementProperties& table, const std::vector<int>& labels) {
  std::string text;
  for (int label : labels)
    text.append(text.empty() ? "" : " ")
        .append(std::to_string(label))
        .append(":")
        .append(std::to_string(table.Position(label)));
  return text;
}

TEST(aif_ElementProperties, PositionsOfRunsCloseLabelsFarLabelsAndDuplicates) {
  // A run: no lookup is kept, whatever is asked.
  bme_Mesh run = ElementTableMesh({{{}, 3}, {{}, 2}});
  aif_ElementProperties table;
  table.Reset(&run, true);
  EXPECT_EQ(ElementTablePositions(table, {0, 1, 3, 5, 6, -1}), "0:-1 1:0 3:2 5:4 6:-1 -1:-1");
  EXPECT_EQ(table.Bytes(), 0u);
  // Labels not usable: by position.
  table.Reset(&run, false);
  EXPECT_EQ(ElementTablePositions(table, {0, 4, 5}), "0:0 4:4 5:-1");

  // Close labels, negative ones among them; a later element of a label
  // stands (3, and 5 of the stored class against 5 of the unlabelled one,
  // whose labels run from its first element index + 1).
  bme_Mesh close = ElementTableMesh({{{5, 3, -2, 3}, 0}, {{}, 2}});
  table.Reset(&close, true);
  EXPECT_EQ(ElementTablePositions(table, {5, 3, -2, 6, 4, -1, 7, -3}),
            "5:4 3:3 -2:2 6:5 4:-1 -1:-1 7:-1 -3:-1");
  EXPECT_GT(table.Bytes(), 0u);
  EXPECT_LE(table.Bytes(), (6 + 1024) * sizeof(int));

  // Far labels: the sorted positions, of equal labels the last.
  bme_Mesh far = ElementTableMesh({{{-2000000, 7000000, 30, 7000000, 2000000000}, 0}, {{}, 1}});
  table.Reset(&far, true);
  EXPECT_EQ(ElementTablePositions(table, {-2000000, 7000000, 30, 2000000000, 6, 31, 0, -1}),
            "-2000000:0 7000000:3 30:2 2000000000:4 6:5 31:-1 0:-1 -1:-1");
  EXPECT_LE(table.Bytes(), 6 * sizeof(int));
  table.ReleaseLookup();
  EXPECT_EQ(table.Bytes(), 0u);
  // Asked again, the lookup is made again.
  EXPECT_EQ(ElementTablePositions(table, {30}), "30:2");
}

TEST(aif_ElementProperties, ColumnsAreMadeByTheirFirstIndex) {
  bme_Mesh mesh = ElementTableMesh({{{}, 4}});
  aif_ElementProperties table;
  table.Reset(&mesh, true);
  table.Set(aif_ElementProperties::kMatOri, 1, -1);
  EXPECT_FALSE(table.Has(aif_ElementProperties::kMatOri));
  EXPECT_EQ(table.Bytes(), 0u);
  table.Set(aif_ElementProperties::kMatOri, 2, 7);
  table.Set(aif_ElementProperties::kMatOri, 2, 8);  // a later entry overwrites
  EXPECT_TRUE(table.Has(aif_ElementProperties::kMatOri));
  EXPECT_EQ(table.Bytes(), 4 * sizeof(int));
  std::string text;
  for (std::size_t p = 0; p < 4; ++p)
    text += std::to_string(table.Get(aif_ElementProperties::kMatOri, p)) + "/" +
            std::to_string(table.Get(aif_ElementProperties::kSection, p)) + " ";
  EXPECT_EQ(text, "-1/-1 -1/-1 8/-1 -1/-1 ");
  table.Release();
  EXPECT_FALSE(table.Has(aif_ElementProperties::kMatOri));
  EXPECT_EQ(table.Bytes(), 0u);
  EXPECT_EQ(table.PeakBytes(), 4 * sizeof(int));
}

// Each group as "section,controls,beam,material,rebar count: labels".
std::string ElementGroupsText(const aif_ElementGroups& groups) {
  std::string text;
  for (std::size_t g = 0; g < groups.Length(); ++g) {
    for (int index : {groups.SectionIndex(g), groups.ElemCtrlIndex(g), groups.BeamOriIndex(g),
                      groups.MatOriIndex(g), groups.RebarOriIndex(g)})
      text.append(std::to_string(index)).append(",");
    text.back() = ' ';
    text.append(std::to_string(groups.Count(g))).append(":");
    for (int label : groups.ElementIds(g))
      text.append(" ").append(std::to_string(label));
    text.append("\n");
  }
  return text;
}

TEST(aif_ElementGroups, GroupsInFirstMetOrderWithLabelsOnlyWhereASectionIs) {
  bme_Mesh mesh = ElementTableMesh({{{70, 60, 50, 40}, 0}, {{}, 3}});
  aif_ElementProperties table;
  table.Reset(&mesh, true);
  using T = aif_ElementProperties;
  // Positions: 0 none; 1, 3, 6 section 1; 2 section 0; 4 section 1 with
  // material orientation 2; 5 controls 0 only.
  for (std::size_t p : {1, 3, 6})
    table.Set(T::kSection, p, 1);
  table.Set(T::kSection, 2, 0);
  table.Set(T::kSection, 4, 1);
  table.Set(T::kMatOri, 4, 2);
  table.Set(T::kElemCtrl, 5, 0);
  const std::size_t tableBytes = table.Bytes();
  aif_ElementGroups groups(table);
  EXPECT_EQ(ElementGroupsText(groups),
            "-1,-1,-1,-1,-1 1:\n"
            "1,-1,-1,-1,-1 3: 60 40 7\n"
            "0,-1,-1,-1,-1 1: 50\n"
            "1,-1,-1,2,-1 1: 5\n"
            "-1,0,-1,-1,-1 1:\n");
  // The table is emptied; the grouping never held more than the table did
  // and its few bytes per group.
  EXPECT_EQ(table.Bytes(), 0u);
  EXPECT_GE(groups.PeakBytes(), tableBytes);
  EXPECT_LE(groups.PeakBytes(), tableBytes + 8 * 64);
  groups.Release(1);
  EXPECT_EQ(ElementGroupsText(groups),
            "-1,-1,-1,-1,-1 1:\n"
            "1,-1,-1,-1,-1 3:\n"
            "0,-1,-1,-1,-1 1: 50\n"
            "1,-1,-1,2,-1 1: 5\n"
            "-1,0,-1,-1,-1 1:\n");

  // No section: one group that writes nothing.
  table.Reset(&mesh, true);
  table.Set(T::kElemCtrl, 5, 0);
  EXPECT_EQ(ElementGroupsText(aif_ElementGroups(table)), "-1,-1,-1,-1,-1 7:\n");
  EXPECT_EQ(table.Bytes(), 0u);
}

// The grid of `cells`^3 bricks in the part Block (labels `labels` when
// given), viscous element controls, a material and a rebar orientation of
// every element, and the beam orientation of the first half; with
// `assigned`, Steel assigned to every element.
hst_ModelBuilder ElementTableModel(int cells, bool assigned, const std::vector<int>& labels = {}) {
  hst_ModelBuilder b;
  auto mesh = hst_GridMesh(cells, cells, cells);
  bme_ElemCtrlParams controls;
  controls.SetHourglassControl(3);
  controls.SetHourglassStiffness({0.5, 0.0, 0.0});
  mesh->MutableElementClass(0).SetElemCtrlParams(std::make_shared<bme_ElemCtrlParams>(controls));
  if (!labels.empty()) mesh->MutableElementClass(0).MutableUserLabels() = labels;
  b.AddPart("Block", mesh);
  const int count = cells * cells * cells;
  cow_List<int> all, half;
  // The regions hold label - 1 (the kernel answers index + 1).
  for (int e = 0; e < count; ++e) {
    const int member = labels.empty() ? e : labels[static_cast<std::size_t>(e)] - 1;
    all.Append(member);
    if (e < count / 2) half.Append(member);
  }
  const auto region = [](const char* name, const cow_List<int>& members) {
    rgnC_Region r(name, {"Block"});
    r.SetKernelElementIndices(1, members);
    return r;
  };
  kseC_HomogenousSolidSection solid;
  solid.material = "Steel";
  b.AddSection("Steel", solid);
  if (assigned) b.AddPartAttribute("Block", ptoC_SectionAssignment(region("All", all), "Steel"));
  b.AddPartAttribute("Block", ptoC_BeamOrientation(region("Front", half), {0.0, 0.0, -1.0}));
  ptoC_MaterialOrientation material;
  material.SetRegion(region("All", all));
  b.AddPartAttribute("Block", material);
  ptoC_RebarOrientation rebar;
  rebar.SetRegion(region("All", all));
  b.AddPartAttribute("Block", rebar);
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

// The peak of the builder's tables for the model, and its deck's lines from
// "** Region" or "** ELEMENT CONTROLS" to the first "*Solid Section" line or
// the end of the controls.
struct ElementTableRun {
  std::size_t peak = 0;
  std::string lines;
};
ElementTableRun RunElementTableModel(const hst_ModelBuilder& b) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  ElementTableRun run;
  aif_PartAttributesBuilder attributes(info);
  attributes.Build();
  run.peak = attributes.TablePeakBytes();
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("aif_ElementPropertiesTest." + std::to_string(getpid()) + ".inp"))
                               .string();
  aif_Builder builder(info);
  EXPECT_TRUE(builder.WriteInputFile(path, false, true));
  const std::string deck = aif_test::ReadFile(path);
  std::filesystem::remove(path);
  for (const char* from : {"** Region", "** ELEMENT CONTROLS"}) {
    const std::size_t start = deck.find(from);
    if (start == std::string::npos) continue;
    const std::size_t section = deck.find("*Solid Section", start);
    std::size_t end =
        section == std::string::npos ? deck.find("** -", start) : deck.find('\n', section);
    end = end == std::string::npos ? deck.size() : end + (section == std::string::npos ? 0 : 1);
    run.lines.append(deck, start, end - start);
  }
  return run;
}

TEST(aif_PartAttributesBuilderTables, NoneWithoutAssignmentsAndBoundedWithThem) {
  const int cells = 10, count = cells * cells * cells;
  const std::string controls =
      "** ELEMENT CONTROLS\n** \n*Section Controls, name=EC-1, hourglass=VISCOUS\n1., 1., 1.\n";

  // No assignment: the controls are written, no table is made.
  ElementTableRun none = RunElementTableModel(ElementTableModel(cells, false));
  EXPECT_EQ(none.peak, 0u);
  EXPECT_EQ(none.lines, controls);

  // Labels in a run: the five columns, then group numbers and labels.
  ElementTableRun run = RunElementTableModel(ElementTableModel(cells, true));
  EXPECT_GE(run.peak, 5u * count * sizeof(int));
  EXPECT_LE(run.peak, 24u * count);
  EXPECT_EQ(run.lines.substr(0, run.lines.find('\n') + 1),
            "** Region: (Steel:All), (Controls:EC-1), (Beam Orientation:Front), (Material "
            "Orientation:All)\n");

  // Far labels, falling: a lookup of one int per element beside the columns.
  std::vector<int> labels;
  for (int e = 0; e < count; ++e)
    labels.push_back(1000000 * (count - e));
  ElementTableRun far = RunElementTableModel(ElementTableModel(cells, true, labels));
  EXPECT_GE(far.peak, 6u * count * sizeof(int));
  EXPECT_LE(far.peak, 24u * count + 4096);
  EXPECT_EQ(far.lines.substr(0, far.lines.find('\n') + 1),
            run.lines.substr(0, run.lines.find('\n') + 1));
}

}  // namespace
