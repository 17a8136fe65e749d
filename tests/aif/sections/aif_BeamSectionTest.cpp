// "*Beam Section" and the profile writers it shares with "*Beam General
// Section": every profile shape, the options, tapers, and the profiles that
// cannot be written.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_OutputFile.h"
#include "aif/impl/sections/aif_BeamSection.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

kseC_BeamSection Section(int taper = 0) {
  kseC_BeamSection section;
  section.materialName = "Steel";
  section.taper = taper;
  return section;
}

// The text of a beam section on "Beams" with direction (0, 0, -1).
std::string Text(const kseC_BeamSection& section, const kbpC_BeamProfile* profile,
                 const kbpC_BeamProfile* end = nullptr) {
  return KeywordText(aif_BeamSection("Beams", section, 0, 0, -1, -1, profile, end));
}

// The message of the aif_Exception that writing throws, or "" without one.
std::string Failure(const aif_BeamSection& keyword) {
  try {
    KeywordText(keyword);
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "";
}

const std::string kHead = "*Beam Section, elset=Beams, material=Steel, temperature=GRADIENTS, ";
const std::string kDirection = "0.,0.,-1.\n";

TEST(aif_BeamSection, EveryShapeWritesItsOptionAndDataLine) {
  const kseC_BeamSection s = Section();
  kbpC_PipeProfile pipe;
  pipe.r = 0.5;
  pipe.t = 0.05;
  EXPECT_EQ(Text(s, &pipe), kHead + "section=PIPE\n0.5, 0.05\n" + kDirection);

  kbpC_BoxProfile box;
  box.a = 3;
  box.b = 4;
  box.t1 = 2;
  box.t2 = 0.2;
  box.t3 = 0.3;
  box.t4 = 0.4;
  EXPECT_EQ(Text(s, &box), kHead + "section=BOX\n3., 4., 2., 0.2, 0.3, 0.4\n" + kDirection);
  box.uniformThickness = true;  // t1 all round
  EXPECT_EQ(Text(s, &box), kHead + "section=BOX\n3., 4., 2., 2., 2., 2.\n" + kDirection);

  kbpC_IbeamProfile i;
  i.l = 1;
  i.h = 2;
  i.b1 = 3;
  i.b2 = 4;
  i.t1 = 0.1;
  i.t2 = 0.2;
  i.t3 = 0.3;
  EXPECT_EQ(Text(s, &i), kHead + "section=I\n1., 2., 3., 4., 0.1, 0.2, 0.3\n" + kDirection);

  // A T is written as an I without the bottom flange (b1 and t1 are 0).
  kbpC_TbeamProfile t;
  t.b = 1;
  t.h = 2;
  t.l = 1.5;
  t.tf = 0.1;
  t.tw = 0.2;
  EXPECT_EQ(Text(s, &t), kHead + "section=I\n1.5, 2., 0., 1., 0., 0.1, 0.2\n" + kDirection);

  kbpC_CircularProfile circ;
  circ.r = 0.25;
  EXPECT_EQ(Text(s, &circ), kHead + "section=CIRC\n0.25\n" + kDirection);
  kbpC_HexagonalProfile hex;
  hex.r = 2;
  hex.t = 0.5;
  EXPECT_EQ(Text(s, &hex), kHead + "section=HEX\n2., 0.5\n" + kDirection);
  kbpC_LbeamProfile l;
  l.a = 1;
  l.b = 2;
  l.t1 = 0.1;
  l.t2 = 0.2;
  EXPECT_EQ(Text(s, &l), kHead + "section=L\n1., 2., 0.1, 0.2\n" + kDirection);
  kbpC_RectangularProfile rect;
  rect.a = 1e-3;
  rect.b = 20;
  EXPECT_EQ(Text(s, &rect), kHead + "section=RECT\n0.001, 20.\n" + kDirection);
  kbpC_TrapezoidalProfile trap;
  trap.a = 1;
  trap.b = 2;
  trap.c = 3;
  trap.d = -4;
  EXPECT_EQ(Text(s, &trap), kHead + "section=TRAPEZOID\n1., 2., 3., -4.\n" + kDirection);
}

TEST(aif_BeamSection, ArbitraryProfileCountsSegmentsAndWritesOneLinePerFurtherPoint) {
  kbpC_ArbitraryProfile arbitrary;
  arbitrary.points = {{0, 0, 9}, {1, 0, 0.1}, {1, 2, 0.2}, {0, 2.5, 0.3}};
  EXPECT_EQ(Text(Section(), &arbitrary),
            kHead + "section=ARBITRARY\n3, 0., 0., 1., 0., 0.1\n1., 2., 0.2\n0., 2.5, 0.3\n" +
                kDirection);
  // One segment: the first line alone, and no empty line before the direction.
  arbitrary.points = {{0, 0, 0}, {1, 1, 0.1}};
  EXPECT_EQ(Text(Section(), &arbitrary),
            kHead + "section=ARBITRARY\n1, 0., 0., 1., 1., 0.1\n" + kDirection);
}

TEST(aif_BeamSection, OptionsDirectionAndPrintableMaterial) {
  kseC_BeamSection s = Section();
  kbpC_CircularProfile circ;
  circ.r = 1;
  s.poisson = 0.3;
  s.consistentMass = true;
  s.temperatureVariation = 1;
  s.materialName = "hot steel";
  EXPECT_EQ(KeywordText(aif_BeamSection("Set-1", s, 0.6, 0.8, 0, -1, &circ)),
            "*Beam Section, elset=Set-1, material=\"hot steel\", poisson = 0.3, lumped=NO, "
            "temperature=VALUES, section=CIRC\n1.\n0.6,0.8,0.\n");

  // Poisson's ratio 0 or unset, and a temperature choice other than 0 and 1,
  // write no option; integration values other than 0 still take a material.
  s = Section();
  s.poisson = 0;
  s.temperatureVariation = 2;
  s.integration = 2;
  EXPECT_EQ(Text(s, &circ),
            "*Beam Section, elset=Beams, material=Steel, section=CIRC\n1.\n" + kDirection);

  // A long keyword line goes on after a separator, never inside an option.
  const std::string name(125, 'B');
  EXPECT_EQ(KeywordText(aif_BeamSection(cow_String(name), Section(), 0, 0, -1, -1, &circ)),
            "*Beam Section, elset=" + name +
                ", \nmaterial=Steel, temperature=GRADIENTS, section=CIRC\n1.\n" + kDirection);
}

TEST(aif_BeamSection, TaperWritesStartAndEndLinesOrFails) {
  kbpC_PipeProfile start;
  start.r = 1;
  start.t = 0.1;
  kbpC_PipeProfile end;
  end.r = 0.5;
  end.t = 0.05;
  EXPECT_EQ(Text(Section(1), &start, &end),
            kHead + "Taper, section=PIPE\n1., 0.1\n0.5, 0.05\n" + kDirection);
  // Without a taper the end profile is not written.
  EXPECT_EQ(Text(Section(0), &start, &end), kHead + "section=PIPE\n1., 0.1\n" + kDirection);

  const std::string failure =
      "The tapered beam section of element set Beams has no end profile of the shape of its "
      "start profile.";
  EXPECT_EQ(Failure(aif_BeamSection("Beams", Section(1), 0, 0, -1, -1, &start)), failure);
  kbpC_CircularProfile other;
  EXPECT_EQ(Failure(aif_BeamSection("Beams", Section(1), 0, 0, -1, -1, &start, &other)), failure);
}

TEST(aif_BeamSection, ArbitraryProfileOfFewerThanTwoPointsFails) {
  kbpC_ArbitraryProfile arbitrary;
  arbitrary.points = {{0, 0, 0.1}};
  const std::string failure =
      "The arbitrary beam profile of the section of element set Beams needs at least two "
      "points, each with x, y and a thickness.";
  EXPECT_EQ(Failure(aif_BeamSection("Beams", Section(), 0, 0, -1, -1, &arbitrary)), failure);
}

TEST(aif_BeamSection, UnwritableProfileEndsTheKeywordLineAndWarns) {
  // A profile of a class no shape writer knows, and no profile at all.
  kbpC_BeamProfile unknown;
  for (const kbpC_BeamProfile* profile : {static_cast<const kbpC_BeamProfile*>(&unknown),
                                          static_cast<const kbpC_BeamProfile*>(nullptr)}) {
    cmdC_WIP::Clear();
    EXPECT_EQ(Text(Section(), profile),
              "*Beam Section, elset=Beams, material=Steel, temperature=GRADIENTS\n"
              "**ERROR -- Illegal Beam Profile Definition\n" +
                  kDirection);
    // Written twice by KeywordText (normal and one-byte buffer).
    EXPECT_EQ(cmdC_WIP::Texts(cmdC_WIP::Kind::Warning),
              std::vector<std::string>(2,
                                       "Illegal beam profile definition: the beam section of "
                                       "element set Beams is written without a profile."));
  }

  // A generalized profile belongs to the general section only.
  cmdC_WIP::Clear();
  kbpC_GeneralizedProfile general;
  EXPECT_EQ(Text(Section(), &general),
            "*Beam Section, elset=Beams, material=Steel, temperature=GRADIENTS\n"
            "**ERROR -- Generalized Profile cannot be used with this section.\n" +
                kDirection);
  EXPECT_EQ(cmdC_WIP::Texts(cmdC_WIP::Kind::Warning).at(0),
            "A generalized profile cannot be used with the beam section of element set Beams: "
            "it is written without a profile.");
  cmdC_WIP::Clear();
}

TEST(aif_BeamSection, FailedWriteLeavesNoPartialFile) {
  namespace fs = std::filesystem;
  const fs::path deck =
      fs::temp_directory_path() / ("aif_beam_" + std::to_string(::getpid()) + ".inp");
  kbpC_PipeProfile pipe;
  kbpC_ArbitraryProfile onePoint;
  onePoint.points = {{0, 0, 0.1}};
  const aif_BeamSection failing[] = {aif_BeamSection("Beams", Section(1), 0, 0, -1, -1, &pipe),
                                     aif_BeamSection("Beams", Section(0), 0, 0, -1, -1, &onePoint)};
  for (const aif_BeamSection& keyword : failing) {
    {
      aif_OutputFile file;
      ASSERT_TRUE(file.Open(deck.string()));
      file.Stream() << "*Heading";
      file.Stream().LineBreak();
      EXPECT_THROW(keyword.Write(file.Stream()), aif_Exception);
    }
    EXPECT_FALSE(fs::exists(deck));
  }
}

TEST(aif_BeamSection, SectionOfAnotherKindIsRefused) {
  kseC_Section other;
  kbpC_CircularProfile circ;
  EXPECT_THROW(aif_BeamSection("Beams", other, 0, 0, -1, -1, &circ), nex_TextException);
}

}  // namespace
