// "*Display Body": the instance and the line of its reference nodes.
#include "aif/impl/constraints/aif_DisplayBody.h"

#include <gtest/gtest.h>

#include "aif/model/aif_MeshTestSupport.h"

using aif_test::KeywordText;

namespace {

struct DisplayBodyContext {
  explicit DisplayBodyContext(bool flat) {
    b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
    first = b.AddInstance("Part-1-1", "Part-1");
    second = b.AddInstance("Part 1-2", "Part-1");
    mesh = std::make_unique<aif_test::MeshContext>(b, flat);
  }
  const akw_ModelInfo& Info() const { return *mesh->info; }
  const ftr_PrimaryObject& Assembly() const { return *mesh->info->Assembly(); }

  hst_ModelBuilder b;
  unsigned first = 0;
  unsigned second = 0;
  std::unique_ptr<aif_test::MeshContext> mesh;
};

rgnC_Dot DisplayNode(unsigned instance, int label) {
  rgnC_Dot node;
  node.resolved = true;
  node.instanceId = instance;
  node.label = label;
  return node;
}

}  // namespace

TEST(aif_DisplayBody, InstanceAndReferenceNodes) {
  DisplayBodyContext parts(false);
  const auto text = [&](const kcoC_DisplayBody& body) {
    return KeywordText(aif_DisplayBody(body, parts.Assembly(), parts.Info()));
  };
  // Points 1 and 3: "," after point 1 only.
  kcoC_DisplayBody body(parts.second);
  body.SetReferencePoint(0, gsl_Dot(), DisplayNode(parts.first, 3));
  body.SetReferencePoint(2, gsl_Dot(), DisplayNode(parts.first, 7));
  EXPECT_EQ(text(body), "*Display Body, instance=\"Part 1-2\"\nPart-1-1.3,Part-1-1.7\n");
  // All three.
  body.SetReferencePoint(1, gsl_Dot(), DisplayNode(parts.second, 5));
  EXPECT_EQ(text(body),
            "*Display Body, instance=\"Part 1-2\"\nPart-1-1.3,\"Part 1-2\".5,Part-1-1.7\n");
  // Only point 1: the line ends with ",".
  kcoC_DisplayBody one(parts.first);
  one.SetReferencePoint(0, gsl_Dot(), DisplayNode(parts.second, 2));
  EXPECT_EQ(text(one), "*Display Body, instance=Part-1-1\n\"Part 1-2\".2,\n");

  // A point without a node is passed over; with none left, no second line.
  kcoC_DisplayBody lost(parts.first);
  lost.SetReferencePoint(1, gsl_Dot(), rgnC_Dot());
  EXPECT_EQ(text(lost), "*Display Body, instance=Part-1-1\n");
  // A deleted instance: nothing.
  EXPECT_EQ(text(kcoC_DisplayBody(99)), "");
}

TEST(aif_DisplayBody, FlatFileRefused) {
  DisplayBodyContext flat(true);
  EXPECT_EQ(aif_test::MessageOf([&] {
              aif_DisplayBody(kcoC_DisplayBody(flat.first), flat.Assembly(), flat.Info());
            }),
            "Display body constraints exist in the current model.\nAn input file with no parts "
            "cannot be generated.");
}
