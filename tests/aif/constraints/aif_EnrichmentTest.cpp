// "*Enrichment" of an XFEM crack: its type, domain, interaction and radius,
// read from the model's own crack.
#include "aif/impl/constraints/aif_Enrichment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "QivBasicUtils/nex_Exception.h"
#include "aif/model/aif_MeshTestSupport.h"

using aif_test::KeywordText;
using aif_test::ThrownText;

namespace {

struct EnrichmentContext {
  explicit EnrichmentContext(bool flat) {
    b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
    b.AddInstance("Part-1-1", "Part-1");
    mesh = std::make_unique<aif_test::MeshContext>(b, flat);
    crack.SetRegions(rgnC_Region("Dom", {"Assembly", "Part-1-1"}), rgnC_Region());
  }
  std::string Text(const char* name = "Crack-1") {
    return KeywordText(aif_Enrichment(crack, name, mesh->info.get()));
  }

  hst_ModelBuilder b;
  std::unique_ptr<aif_test::MeshContext> mesh;
  kefC_XFEMCrack crack;
};

}  // namespace

TEST(aif_Enrichment, TypeDomainInteractionAndRadius) {
  EnrichmentContext context(false);
  // Growth allowed, nothing optional: one line ending with the domain.
  context.crack.SetAllowGrowth(true);
  EXPECT_EQ(context.Text(),
            "*Enrichment, name=Crack-1, type=PROPAGATION CRACK, elset=Part-1-1.Dom\n");
  // The interaction precedes the radius; both names printable.
  context.crack.SetAllowGrowth(false);
  context.crack.SetInteractionName("Crack faces");
  context.crack.SetEnrichmentRadius(0.25);
  EXPECT_EQ(context.Text("Crack 1"),
            "*Enrichment, name=\"Crack 1\", type=STATIONARY CRACK, elset=Part-1-1.Dom, "
            "interaction=\"Crack faces\", enrichment radius=0.25\n");
  // A radius alone; a radius of 0 is set and written.
  context.crack.SetInteractionName("");
  context.crack.SetEnrichmentRadius(0.0);
  EXPECT_EQ(context.Text(),
            "*Enrichment, name=Crack-1, type=STATIONARY CRACK, elset=Part-1-1.Dom, "
            "enrichment radius=0.\n");
  // A flat file names the domain by its instance-qualified set.
  EnrichmentContext flat(true);
  EXPECT_EQ(flat.Text(), "*Enrichment, name=Crack-1, type=STATIONARY CRACK, elset=Part-1-1_Dom\n");
}

TEST(aif_Enrichment, ReadsTheModelsCrackWhenWritten) {
  EnrichmentContext context(false);
  const aif_Enrichment keyword(context.crack, "Crack-1", context.mesh->info.get());
  const std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  // Changed after the keyword was made: the keyword and its copy write the
  // crack as it is now.
  context.crack.SetAllowGrowth(true);
  context.crack.SetInteractionName("IntProp-1");
  const std::string expected =
      "*Enrichment, name=Crack-1, type=PROPAGATION CRACK, elset=Part-1-1.Dom, "
      "interaction=IntProp-1\n";
  EXPECT_EQ(KeywordText(keyword), expected);
  EXPECT_EQ(KeywordText(*copy), expected);
}

TEST(aif_Enrichment, NameThatCannotBeWrittenStopsBeforeTheLine) {
  EnrichmentContext context(false);
  EXPECT_EQ(ThrownText(aif_Enrichment(context.crack, "Crack\n*Step", context.mesh->info.get())),
            "The name \"Crack\\n*Step\" holds a line break or another control character and "
            "cannot be written to the input file.");
  context.crack.SetInteractionName("Int\rProp");
  EXPECT_EQ(ThrownText(aif_Enrichment(context.crack, "Crack-1", context.mesh->info.get())),
            "The name \"Int\\rProp\" holds a line break or another control character and "
            "cannot be written to the input file.");
}
