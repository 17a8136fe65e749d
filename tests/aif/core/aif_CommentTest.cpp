// Comment lines, verbatim keywords and the section banners builders file.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_RawKeyword.h"
#include "aif/impl/core/aif_SectionHeader.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

std::string Comment(const std::string& text, bool wrap = false) {
  return KeywordText(aif_Comment(cow_String(text), wrap));
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
  EXPECT_EQ(Comment("first line\nsecond line"), "** first line\n** second line\n");
  EXPECT_EQ(Comment("ends in a break\n"), "** ends in a break\n** \n");
  EXPECT_EQ(Comment("a\n\nb"), "** a\n** \n** b\n");
  EXPECT_EQ(Comment("\n"), "** \n** \n");
  // Without wrapping long lines stay whole.
  const std::string spaced = Letters(120, {10, 70, 100});
  EXPECT_EQ(Comment(spaced + "\nend"), "** " + spaced + "\n** end\n");
}

TEST(aif_Comment, WrapCutsLongPiecesHardAfter77Characters) {
  const std::string s77 = Letters(77);
  EXPECT_EQ(Comment(s77, true), "** " + s77 + "\n");
  EXPECT_EQ(Comment(Letters(78), true), "** " + s77 + "\n** a\n");
  EXPECT_EQ(Comment(Letters(200), true),
            "** " + s77 + "\n** " + s77 + "\n** " + Letters(46) + "\n");
  // A cut does not use up the line break that ends the piece.
  EXPECT_EQ(Comment(Letters(100) + "\n", true), "** " + s77 + "\n** " + Letters(23) + "\n** \n");

  // Set after construction.
  aif_Comment comment(cow_String(Letters(100)));
  comment.SetWrap(true);
  EXPECT_EQ(KeywordText(comment), "** " + s77 + "\n** " + Letters(23) + "\n");
}

TEST(aif_Comment, WrapCutsAfterABlankAmongTheLast15Of78) {
  // Offset 62 lies before the window: hard cut, the blank stays inside.
  const std::string at62 = Letters(100, {62});
  EXPECT_EQ(Comment(at62, true), "** " + at62.substr(0, 77) + "\n** " + at62.substr(77) + "\n");
  // Offset 78 lies after it: the blank starts the second line.
  EXPECT_EQ(Comment(Letters(100, {78}), true),
            "** " + Letters(77) + "\n** a " + Letters(21) + "\n");
  // Offsets 63 to 77: the blank ends the first line.
  EXPECT_EQ(Comment(Letters(100, {63}), true), "** " + Letters(63) + " \n** " + Letters(36) + "\n");
  EXPECT_EQ(Comment(Letters(100, {77}), true), "** " + Letters(77) + " \n** " + Letters(22) + "\n");
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

  // A copy wraps as the original does.
  aif_Comment comment(cow_String(piece), true);
  std::unique_ptr<akw_Keyword> copy(comment.Clone());
  EXPECT_EQ(KeywordText(*copy), "** " + piece.substr(0, 71) + "\n** " + Letters(19) + "\n");
}

// The longest line in `text`.
std::size_t LongestLine(const std::string& text) {
  std::size_t longest = 0;
  for (std::size_t p = 0, end; p < text.size(); p = end + 1) {
    end = text.find('\n', p);
    if (end == std::string::npos) end = text.size();
    longest = std::max(longest, end - p);
  }
  return longest;
}

TEST(aif_Comment, UnwrappedLinesStayWithinWhatTheSolverReads) {
  // 253 characters after "** " fill a line of 256; one more goes on.
  EXPECT_EQ(Comment(Letters(253)), "** " + Letters(253) + "\n");
  EXPECT_EQ(Comment(Letters(254)), "** " + Letters(253) + "\n** a\n");
  // Cut after the last blank that keeps the line within 256 (at 252); a blank
  // at 253 would not, so the one at 100 ends the line; a blank only at the
  // start of a piece does not end it.
  const std::string last = Letters(300, {100, 252});
  EXPECT_EQ(Comment(last), "** " + last.substr(0, 253) + "\n** " + Letters(47) + "\n");
  const std::string beyond = Letters(300, {100, 253});
  EXPECT_EQ(Comment(beyond), "** " + beyond.substr(0, 101) + "\n** " + beyond.substr(101) + "\n");
  const std::string first = Letters(300, {0});
  EXPECT_EQ(Comment(first), "** " + first.substr(0, 253) + "\n** " + Letters(47) + "\n");
  // As many lines as it takes; no character is lost; a text ending in a
  // line break still ends with "** ".
  const std::string text = "Title\n" + Letters(600) + "\n";
  const std::string written = Comment(text);
  EXPECT_EQ(written, "** Title\n** " + Letters(253) + "\n** " + Letters(253) + "\n** " +
                         Letters(94) + "\n** \n");
  EXPECT_EQ(LongestLine(written), 256u);

  // The routine the heading shares: any prefix, the limit counts it.
  auto lines = [](std::string_view prefix, const std::string& t) {
    return aif_test::WrittenText(
        [&](utl_Stream& s) { aif_Comment::WriteLimitedLines(s, prefix, t); });
  };
  EXPECT_EQ(lines(" ", ""), " \n");
  EXPECT_EQ(lines(" ", Letters(255)), " " + Letters(255) + "\n");
  const std::string words = Letters(400, {254, 300});
  EXPECT_EQ(lines(" ", words), " " + words.substr(0, 255) + "\n " + words.substr(255) + "\n");
}

TEST(aif_RawKeyword, WritesTheTextWithOneLineEnd) {
  auto raw = [](const std::string& text) { return KeywordText(aif_RawKeyword(cow_String(text))); };
  EXPECT_EQ(raw(""), "");
  EXPECT_EQ(raw("*End Part"), "*End Part\n");
  EXPECT_EQ(raw("*Boundary, op=NEW\n*Cload, op=NEW\n"), "*Boundary, op=NEW\n*Cload, op=NEW\n");
  EXPECT_EQ(raw("*Step, name=Step-1\n\n"), "*Step, name=Step-1\n\n");
  // Written verbatim: no comment marker, no wrapping, blanks kept.
  EXPECT_EQ(raw("  " + Letters(100) + "  "), "  " + Letters(100) + "  \n");
}

std::string Banner(const char* title) {
  return std::string("** \n** ") + title + "\n** \n";
}

TEST(aif_SectionHeader, BannerOncePerStepNameAndOnceForTheModel) {
  aif_SectionHeader header(cow_String("LOADS"));
  akw_KeywordHandle step = header.StepDefinitionHeader(cow_String("Step-1"));
  EXPECT_EQ(KeywordText(*step), Banner("LOADS"));
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("Step-1"))), "");
  // Names are compared exactly.
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("Step-2"))), Banner("LOADS"));
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("step-1"))), Banner("LOADS"));

  // The model part keeps its own record and gets the same banner object.
  EXPECT_TRUE(header.ModelDefinitionHeader().SharesWith(step));
  EXPECT_EQ(KeywordText(*header.ModelDefinitionHeader()), "");
  EXPECT_EQ(KeywordText(*header.StepDefinitionHeader(cow_String("Step-3"))), Banner("LOADS"));
}

}  // namespace
