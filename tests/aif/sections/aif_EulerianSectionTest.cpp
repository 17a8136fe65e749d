#include "aif/impl/sections/aif_EulerianSection.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;
using aif_test::MeshContext;

namespace {

hst_ModelBuilder OnePart() {
  hst_ModelBuilder b;
  b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
  b.AddInstance("Part-1-1", "Part-1");
  return b;
}

kseC_EulerianSection Eulerian() {
  kseC_EulerianSection s;
  s.materialInstances.Set("m.1", "Water");
  s.materialInstances.Set("air", "Air 1");
  s.materialInstances.Set("Bubble", "Air");
  return s;
}

}  // namespace

TEST(aif_EulerianSection, MaterialInstancesPartBasedAndFlat) {
  const hst_ModelBuilder b = OnePart();
  const MeshContext partBased(b, false);
  const MeshContext flat(b, true);
  ASSERT_TRUE(partBased.info->IsPartBased());
  ASSERT_FALSE(flat.info->IsPartBased());
  // Keys in ascending order; a part-based file keeps the instance names.
  EXPECT_EQ(KeywordText(
                aif_EulerianSection("Eu", Eulerian(), "Ori-1", "EC-1", "P", partBased.info.get())),
            Lines({"*Eulerian Section, elset=Eu, controls=EC-1, orientation=Ori-1", "Air, Bubble",
                   "\"Air 1\", air", "Water, m.1"}));
  // A flat file names the instances after the prefix, "." turned into "_".
  EXPECT_EQ(
      KeywordText(aif_EulerianSection("Eu", Eulerian(), "", "", "P", flat.info.get())),
      Lines({"*Eulerian Section, elset=Eu", "Air, P_Bubble", "\"Air 1\", P_air", "Water, P_m_1"}));
  // Without a prefix no separator is put before the instance name.
  EXPECT_EQ(KeywordText(aif_EulerianSection("Eu", Eulerian(), "", "", "", flat.info.get())),
            Lines({"*Eulerian Section, elset=Eu", "Air, Bubble", "\"Air 1\", air", "Water, m_1"}));
  // Without a context the file counts as part-based.
  EXPECT_EQ(KeywordText(aif_EulerianSection("Eu", kseC_EulerianSection(), "", "", "P", nullptr)),
            Lines({"*Eulerian Section, elset=Eu"}));
}

TEST(aif_EulerianSection, RefusesAnotherSectionKind) {
  EXPECT_EQ(ThrownText(aif_EulerianSection("Eu", kseC_MembraneSection(), "", "EC-1", "", nullptr)),
            "Not a Eulerian section type");
}
