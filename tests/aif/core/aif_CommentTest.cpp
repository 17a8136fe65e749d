// Comment lines, verbatim keywords and the section banners builders file.
#include <memory>
#include <string>

#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_RawKeyword.h"
#include "aif/impl/core/aif_SectionHeader.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

std::string Comment(const std::string& text, bool wrap = false) {
  return KeywordText(aif_Comment(cow_String(text), wrap));
}

std::string Raw(const std::string& text) {
  return KeywordText(aif_RawKeyword(cow_String(text)));
}

// `length` letters "a" with a blank at each of `blanks`.
std::string Letters(std::size_t length, std::initializer_list<std::size_t> blanks = {}) {
  std::string text(length, 'a');
  for (std::size_t at : blanks)
    text[at] = ' ';
  return text;
}

TEST(aif_Comment, OneLinePerPieceOfTheText) {
  EXPECT_EQ(Comment(""), "");
  EXPECT_EQ(Comment("Material steel"), "** Material steel\n");
  EXPECT_EQ(Comment("first line\nsecond line"), "** first line\n** second line\n");
  EXPECT_EQ(Comment("ends in a break\n"), "** ends in a break\n** \n");
  EXPECT_EQ(Comment("a\n\nb"), "** a\n** \n** b\n");
  EXPECT_EQ(Comment("\n"), "** \n** \n");
  EXPECT_EQ(Comment("\nLOADS\n"), "** \n** LOADS\n** \n");
}

TEST(aif_Comment, WrapOffKeepsLongLinesWhole) {
  const std::string word = Letters(100);
  const std::string spaced = Letters(120, {10, 70, 100});
  EXPECT_EQ(Comment(word), "** " + word + "\n");
  EXPECT_EQ(Comment(spaced + "\nend"), "** " + spaced + "\n** end\n");
}

TEST(aif_Comment, WrapCutsLongPiecesHardAfter77Characters) {
  const std::string s77 = Letters(77);
  EXPECT_EQ(Comment(s77, true), "** " + s77 + "\n");
  EXPECT_EQ(Comment(Letters(78), true), "** " + s77 + "\n** a\n");
  EXPECT_EQ(Comment(Letters(100), true), "** " + s77 + "\n** " + Letters(23) + "\n");
  EXPECT_EQ(Comment(Letters(200), true),
            "** " + s77 + "\n** " + s77 + "\n** " + Letters(46) + "\n");

  // A cut does not use up the line break that ends the piece.
  EXPECT_EQ(Comment(Letters(100) + "\nnext", true),
            "** " + s77 + "\n** " + Letters(23) + "\n** next\n");
  EXPECT_EQ(Comment(Letters(100) + "\n", true), "** " + s77 + "\n** " + Letters(23) + "\n** \n");
}

TEST(aif_Comment, WrapCutsAfterABlankAmongTheLast15Of78) {
  // Offset 62 lies before the window: hard cut, the blank stays inside.
  const std::string at62 = Letters(100, {62});
  EXPECT_EQ(Comment(at62, true), "** " + at62.substr(0, 77) + "\n** " + at62.substr(77) + "\n");
  // Offset 78 lies after it: the blank starts the second line.
  const std::string at78 = Letters(100, {78});
  EXPECT_EQ(Comment(at78, true), "** " + Letters(77) + "\n** a " + Letters(21) + "\n");

  // Offsets 63 to 77: the blank ends the first line.
  const std::string at63 = Letters(100, {63});
  EXPECT_EQ(Comment(at63, true), "** " + Letters(63) + " \n** " + Letters(36) + "\n");
  const std::string at77 = Letters(100, {77});
  EXPECT_EQ(Comment(at77, true), "** " + Letters(77) + " \n** " + Letters(22) + "\n");
  // The last blank of the window wins, even with an earlier one in the window.
  const std::string twice = Letters(100, {40, 65, 70});
  EXPECT_EQ(Comment(twice, true), "** " + twice.substr(0, 71) + "\n** " + Letters(29) + "\n");

  // The window is counted from the start of each piece, not of the text.
  const std::string piece = Letters(90, {70});
  EXPECT_EQ(Comment("Title\n" + piece, true),
            "** Title\n** " + piece.substr(0, 71) + "\n** " + Letters(19) + "\n");
  // ... and from the start of the rest after a cut: 160 letters with blanks
  // at 50 and 140; the second line starts at 77, so 140 is offset 63 there.
  const std::string rest = Letters(160, {50, 140});
  EXPECT_EQ(Comment(rest, true), "** " + rest.substr(0, 77) + "\n** " + rest.substr(77, 64) +
                                     "\n** " + Letters(19) + "\n");
}

TEST(aif_Comment, WrapFlagSetAfterConstruction) {
  aif_Comment comment(cow_String(Letters(100)));
  EXPECT_FALSE(comment.Wrap());
  EXPECT_EQ(KeywordText(comment), "** " + Letters(100) + "\n");
  comment.SetWrap(true);
  EXPECT_EQ(KeywordText(comment), "** " + Letters(77) + "\n** " + Letters(23) + "\n");
}

TEST(aif_RawKeyword, WritesTheTextWithOneLineEnd) {
  EXPECT_EQ(Raw(""), "");
  EXPECT_EQ(Raw("*End Part"), "*End Part\n");
  EXPECT_EQ(Raw("*End Part\n"), "*End Part\n");
  EXPECT_EQ(Raw("*Boundary, op=NEW\n*Cload, op=NEW"), "*Boundary, op=NEW\n*Cload, op=NEW\n");
  EXPECT_EQ(Raw("*Step, name=Step-1\n\n"), "*Step, name=Step-1\n\n");
  EXPECT_EQ(Raw("\n"), "\n");
  // Written verbatim: no comment marker, no wrapping, blanks kept.
  EXPECT_EQ(Raw("  " + Letters(100) + "  "), "  " + Letters(100) + "  \n");
}

TEST(aif_Keyword, CloneWritesTheSameText) {
  aif_Comment comment(cow_String("Elastic\n" + Letters(90, {70})), true);
  std::unique_ptr<akw_Keyword> commentCopy(comment.Clone());
  EXPECT_EQ(KeywordText(*commentCopy), KeywordText(comment));
  EXPECT_EQ(KeywordText(*commentCopy),
            "** Elastic\n** " + Letters(70) + " \n** " + Letters(19) + "\n");

  aif_RawKeyword raw(cow_String("*Heading\nmodel"));
  std::unique_ptr<akw_Keyword> rawCopy(raw.Clone());
  EXPECT_EQ(KeywordText(*rawCopy), "*Heading\nmodel\n");
}

const char kLoadsBanner[] = "** \n** LOADS\n** \n";

TEST(aif_SectionHeader, ModelBannerOnceThenTheEmptyKeyword) {
  aif_SectionHeader header(cow_String("LOADS"));
  akw_KeywordHandle first = header.ModelDefinitionHeader();
  akw_KeywordHandle second = header.ModelDefinitionHeader();
  akw_KeywordHandle third = header.ModelDefinitionHeader();
  EXPECT_EQ(KeywordText(*first), kLoadsBanner);
  EXPECT_EQ(KeywordText(*second), "");
  EXPECT_TRUE(second.SharesWith(third));
  EXPECT_FALSE(first.SharesWith(second));

  // The steps keep their own record: the first request of a step still gets
  // the banner, the same object the model part got.
  akw_KeywordHandle step = header.StepDefinitionHeader(cow_String("Step-1"));
  EXPECT_TRUE(step.SharesWith(first));

  aif_SectionHeader fields(cow_String("PREDEFINED FIELDS"));
  EXPECT_EQ(KeywordText(*fields.ModelDefinitionHeader()), "** \n** PREDEFINED FIELDS\n** \n");
}

TEST(aif_SectionHeader, StepBannerOncePerStepName) {
  aif_SectionHeader header(cow_String("BOUNDARY CONDITIONS"));
  const std::string banner = "** \n** BOUNDARY CONDITIONS\n** \n";
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("Step-1"))), banner);
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("Step-2"))), banner);
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("Step-1"))), "");
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("Step-2"))), "");
  // Names are compared exactly.
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("step-1"))), banner);
  // The model part is independent of the steps.
  EXPECT_EQ(KeywordText(*header.ModelDefinitionHeader()), banner);
  EXPECT_EQ(KeywordText(*header.ModelDefinitionHeader()), "");
}

TEST(aif_SectionHeader, CopyCarriesItsOwnStateAndSharesTheKeywords) {
  aif_SectionHeader original(cow_String("INTERACTIONS"));
  const std::string banner = "** \n** INTERACTIONS\n** \n";
  akw_KeywordHandle banner1 = original.ModelDefinitionHeader();
  original.StepDefinitionHeader(cow_String("Step-1"));
  akw_KeywordHandle empty1 = original.StepDefinitionHeader(cow_String("Step-1"));

  aif_SectionHeader copy = original;
  akw_KeywordHandle copyEmpty = copy.ModelDefinitionHeader();
  EXPECT_EQ(KeywordText(*copyEmpty), "");
  EXPECT_TRUE(copyEmpty.SharesWith(empty1));
  EXPECT_EQ(KeywordText(*copy.StepDefinitionHeader(cow_String("Step-1"))), "");
  akw_KeywordHandle copyBanner = copy.StepDefinitionHeader(cow_String("Step-2"));
  EXPECT_EQ(KeywordText(*copyBanner), banner);
  EXPECT_TRUE(copyBanner.SharesWith(banner1));

  // What the copy recorded is not seen by the original, and the other way round.
  EXPECT_EQ(KeywordText(*original.StepDefinitionHeader(cow_String("Step-2"))), banner);
  EXPECT_EQ(KeywordText(*original.StepDefinitionHeader(cow_String("Step-3"))), banner);
  EXPECT_EQ(KeywordText(*copy.StepDefinitionHeader(cow_String("Step-3"))), banner);
  EXPECT_EQ(KeywordText(*copy.StepDefinitionHeader(cow_String("Step-3"))), "");

  // A copy made before first use writes its own model banner.
  aif_SectionHeader fresh(cow_String("CONSTRAINTS"));
  aif_SectionHeader freshCopy = fresh;
  EXPECT_EQ(KeywordText(*fresh.ModelDefinitionHeader()), "** \n** CONSTRAINTS\n** \n");
  EXPECT_EQ(KeywordText(*freshCopy.ModelDefinitionHeader()), "** \n** CONSTRAINTS\n** \n");
}

}  // namespace
