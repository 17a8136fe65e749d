// Assembly wires in whole decks, part-based and flat: the nodes a connector
// wire and an MPC wire join are the same nodes in both layouts (read back
// from each deck's node blocks and instance placements), the data lines
// read as they should, and both decks pass the deck checker.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "support/aif_DeckChecker.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

// Two instances of a 4 x 1 x 1 brick (20 nodes, x = 0 to 4), P-2 moved by
// 10 along x; the wire set Wire-1 with the connector section Hinge from
// node 3 of P-1 to node 7 of P-2, and Wire-2 with a BEAM MPC section from
// node 4 of P-1 to node 8 of P-2.
hst_ModelBuilder WireEndModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("P", hst_GridMesh(4, 1, 1));
  const unsigned first = b.AddInstance("P-1", "P");
  hst_ModelBuilder::InstanceOptions moved;
  moved.transform = gsl_Matrix::Translation(gsl_Vector(10.0, 0.0, 0.0));
  const unsigned second = b.AddInstance("P-2", "P", moved);
  b.AddStep("Step-1", kprC_StaticStep());

  const auto wire = [&](const char* name, unsigned id, int from, int to) {
    rgnC_GeomComponent edge{.kind = rgnC_GeomComponent::kEdge, .index = 1, .nonMeshable = true};
    edge.ends[0] = {.resolved = true, .instanceId = first, .label = from};
    edge.ends[1] = {.resolved = true, .instanceId = second, .label = to};
    rgnC_Region region(name, {"Assembly"});
    region.SetKernelComponents({edge});
    rgnF_Set set(region);
    set.SetId(id);
    set.SetName(name);
    set.typeMask = rgnF_Set::kElementSet;
    b.Assembly().FeatureList().Add(set);
    return region;
  };
  kseC_ConnectorSection hinge;
  hinge.SetTypes(0, 1, 2);
  hinge.SetConnectionTypeText("Cartesian + Cardan");
  b.AddAssemblySection("Hinge", hinge, wire("Wire-1", 301, 3, 7));
  b.AddAssemblySection("Beam", kseC_MPCSection(kseC_MPCSection::kBeam), wire("Wire-2", 302, 4, 8));
  return b;
}

class WireEndDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return WireEndModel(); }
};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, ',');) {
    const std::size_t b = field.find_first_not_of(' ');
    fields.push_back(b == std::string::npos ? std::string() : field.substr(b));
  }
  return fields;
}

// The assembly-frame position ("x y z", each rounded to an integer) of
// every node a deck names from its assembly: "Inst.label" for a node of an
// instance (its part's or its own node block, moved by the instance's
// translation line), the label alone for a node of a flat file (moved by
// the origin of the "*System" in force; the model only translates).
std::map<std::string, std::string> NodePositions(const std::string& deck) {
  struct Block {
    std::map<std::string, std::vector<double>> nodes;
    std::string part;
    std::vector<double> shift{0.0, 0.0, 0.0};
  };
  std::map<std::string, Block> blocks;  // "part:NAME", "instance:NAME", "" (flat)
  std::string scope;
  std::string keyword;
  std::vector<double> system{0.0, 0.0, 0.0};
  bool firstLine = false;
  std::stringstream in(deck);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("**", 0) == 0) continue;
    if (line.rfind("*", 0) == 0) {
      const std::vector<std::string> fields = Fields(line);
      keyword = fields[0];
      firstLine = true;
      const auto option = [&](const std::string& key) {
        for (const std::string& field : fields)
          if (field.rfind(key + "=", 0) == 0) return field.substr(key.size() + 1);
        return std::string();
      };
      if (keyword == "*Part") scope = "part:" + option("name");
      if (keyword == "*Instance") {
        scope = "instance:" + option("name");
        blocks[scope].part = "part:" + option("part");
      }
      if (keyword == "*End Part" || keyword == "*End Instance") scope.clear();
      if (keyword == "*System") system = {0.0, 0.0, 0.0};
      continue;
    }
    const std::vector<std::string> fields = Fields(line);
    if (keyword == "*System" && fields.size() >= 3)
      system = {std::atof(fields[0].c_str()), std::atof(fields[1].c_str()),
                std::atof(fields[2].c_str())};
    if (keyword == "*Node" && fields.size() == 4)
      blocks[scope].nodes[fields[0]] = {std::atof(fields[1].c_str()) + system[0],
                                        std::atof(fields[2].c_str()) + system[1],
                                        std::atof(fields[3].c_str()) + system[2]};
    if (keyword == "*Instance" && firstLine && fields.size() == 3)
      blocks[scope].shift = {std::atof(fields[0].c_str()), std::atof(fields[1].c_str()),
                             std::atof(fields[2].c_str())};
    firstLine = false;
  }
  const auto text = [](const std::vector<double>& p, const std::vector<double>& shift) {
    std::string out;
    for (int i = 0; i < 3; ++i)
      out += (i ? " " : "") + std::to_string(static_cast<long>(std::lround(p[i] + shift[i])));
    return out;
  };
  std::map<std::string, std::string> positions;
  for (const auto& [label, p] : blocks[""].nodes)
    positions[label] = text(p, {0.0, 0.0, 0.0});
  for (const auto& [name, block] : blocks) {
    if (name.rfind("instance:", 0) != 0) continue;
    const std::string instance = name.substr(9);
    for (const auto& [label, p] : blocks[block.part].nodes)
      positions[instance + "." + label] = text(p, block.shift);
    for (const auto& [label, p] : block.nodes)
      positions[instance + "." + label] = text(p, block.shift);
  }
  return positions;
}

// The node fields of the first data line after `keyword`'s line (the fields
// after the first), each as the position the deck gives it, or "?" for a
// node the deck does not define.
std::vector<std::string> EndPositions(const std::string& deck, const std::string& keyword) {
  const std::size_t at = deck.find("\n" + keyword + "\n");
  if (at == std::string::npos) return {"no " + keyword};
  const std::size_t begin = at + keyword.size() + 2;
  const std::vector<std::string> fields =
      Fields(deck.substr(begin, deck.find('\n', begin) - begin));
  const std::map<std::string, std::string> positions = NodePositions(deck);
  std::vector<std::string> ends;
  for (std::size_t i = 1; i < fields.size(); ++i) {
    const auto found = positions.find(fields[i]);
    ends.push_back(found == positions.end() ? "?" : found->second);
  }
  return ends;
}

TEST_F(WireEndDeck, WireEndsNameTheSameNodesInBothLayouts) {
  const std::string partBased = Deck(false);
  const std::string flat = Deck(true);

  EXPECT_NE(partBased.find("\n*Element, type=CONN3D2\n1, P-1.3, P-2.7\n"), std::string::npos)
      << partBased;
  EXPECT_NE(partBased.find("\n*MPC\nBEAM, P-1.4, P-2.8\n"), std::string::npos) << partBased;
  // Flat: the two meshes' labels collide, so P-1 is numbered from 1 and
  // P-2 from 21; the connector follows the eight brick elements.
  EXPECT_NE(flat.find("\n*Element, type=CONN3D2\n9, 3, 27\n"), std::string::npos) << flat;
  EXPECT_NE(flat.find("\n*MPC\nBEAM, 4, 28\n"), std::string::npos) << flat;

  // Node 3 of P-1 lies at x = 2, node 7 of P-2 at (1, 1, 0) moved by 10;
  // node 4 at x = 3, node 8 at (2, 1, 0) moved by 10.
  const std::vector<std::string> connector{"2 0 0", "11 1 0"};
  const std::vector<std::string> mpc{"3 0 0", "12 1 0"};
  EXPECT_EQ(EndPositions(partBased, "*Element, type=CONN3D2"), connector);
  EXPECT_EQ(EndPositions(flat, "*Element, type=CONN3D2"), connector);
  EXPECT_EQ(EndPositions(partBased, "*MPC"), mpc);
  EXPECT_EQ(EndPositions(flat, "*MPC"), mpc);

  for (const std::string& deck : {partBased, flat})
    for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
      ADD_FAILURE() << finding.text;
}

}  // namespace
