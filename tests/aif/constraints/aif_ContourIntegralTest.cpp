// "*Contour Integral" of a crack request in its XFEM and contour forms: the
// keyword line's options, the normal and q-vector lines, zero vectors and a
// q-vector list that does not fit the crack front.
#include "aif/impl/constraints/aif_ContourIntegral.h"

#include <gtest/gtest.h>

#include <string>

#include "support/aif_TestSupport.h"

using aif_test::KeywordText;
using aif_test::ThrownText;

namespace {

gsl_ModelSegment CrackSegment(double x, double y, double z) {
  return gsl_ModelSegment(gsl_Point(1, 1, 1), gsl_Point(1 + x, 1 + y, 1 + z));
}

// A J-integral request on Crack-1 created in Step-1 with 5 contours.
korC_HistoryOutput CrackRequest() {
  korC_HistoryOutput request;
  request.SetCrackName("Crack-1");
  request.SetNumberOfContours(5);
  request.SetState("Step-1", korC_HistoryOutputState(), 1);
  return request;
}

std::string XfemText(const korC_HistoryOutput& request, const char* step = "Step-1",
                     int residual = -1) {
  return KeywordText(aif_ContourIntegral(request, "H-Output-1", kefC_XFEMCrack(), step, residual));
}

std::string ContourText(const korC_HistoryOutput& request, const kefC_ContourIntegral& crack,
                        cow_List<cow_String> fronts, cow_List<cow_String> tips,
                        const char* requestName = "H-Output-1") {
  return KeywordText(aif_ContourIntegral(request, requestName, crack, "Step-1", fronts, tips, -1));
}

kefC_ContourIntegral QVectorCrack(cow_List<gsl_ModelSegment> qVectors) {
  kefC_ContourIntegral crack;
  crack.SetQVectors(std::move(qVectors));
  return crack;
}

}  // namespace

TEST(aif_ContourIntegral, XfemFormKeywordLineOptions) {
  korC_HistoryOutput request = CrackRequest();
  // A J-integral every increment without residual stresses: the crack name
  // and the contours only.
  EXPECT_EQ(XfemText(request), "*Contour Integral, crack name=Crack-1, contours=5, xfem\n");
  // Residual stress step 0 is a step (the initial one); frequency from the
  // step's state.
  korC_HistoryOutputState every10;
  every10.SetFrequency(10);
  request.SetState("Step-2", every10, 3);
  request.SetContourType(aif_ContourIntegral::kCIntegral);
  EXPECT_EQ(XfemText(request, "Step-2", 0),
            "*Contour Integral, crack name=Crack-1, contours=5, residual stress step=0, type=C, "
            "frequency=10, xfem\n");
  // Switched off in a step: frequency 0, whatever the state holds.
  request.SetState("Step-3", every10, 4);
  request.SetContourType(aif_ContourIntegral::kTStress);
  EXPECT_EQ(XfemText(request, "Step-3", 2),
            "*Contour Integral, crack name=Crack-1, contours=5, residual stress step=2, "
            "type=T-STRESS, frequency=0, xfem\n");
  // K factors: the direction only when one is chosen.
  request.SetContourType(aif_ContourIntegral::kKFactors);
  EXPECT_EQ(XfemText(request),
            "*Contour Integral, crack name=Crack-1, contours=5, type=K FACTORS, xfem\n");
  request.SetKFactorDirection(korC_HistoryOutput::kMERR);
  request.SetNumberOfContours(12);
  EXPECT_EQ(XfemText(request),
            "*Contour Integral, crack name=Crack-1, contours=12, "
            "type=K FACTORS, direction=MERR, xfem\n");
  // A direction without K factors, an unknown type: neither is written.
  request.SetContourType(7);
  EXPECT_EQ(XfemText(request), "*Contour Integral, crack name=Crack-1, contours=12, xfem\n");
  // No crack name: no option; a name with a blank is quoted.
  request.SetCrackName("");
  EXPECT_EQ(XfemText(request), "*Contour Integral, contours=12, xfem\n");
  request.SetCrackName("Crack 1");
  EXPECT_EQ(XfemText(request), "*Contour Integral, crack name=\"Crack 1\", contours=12, xfem\n");
  // A control character is refused before the keyword line.
  request.SetCrackName("Crack\n*Step");
  EXPECT_EQ(ThrownText(aif_ContourIntegral(request, "H-Output-1", kefC_XFEMCrack(), "Step-1", -1)),
            "The name \"Crack\\n*Step\" holds a line break or another control character and "
            "cannot be written to the input file.");
}

TEST(aif_ContourIntegral, ContourFormNormalLineComesFirst) {
  kefC_ContourIntegral crack;
  crack.SetNormal(CrackSegment(0, 3, 4));
  crack.SetSymmetric(true);
  // The normal line, then one line per segment with the two names only.
  EXPECT_EQ(ContourText(CrackRequest(), crack, {"Part-1-1_Front-F1_", "Part-1-1_Front-F2_"},
                        {"Part-1-1_Front-T1_", "Part-1-1_Front-T2_"}),
            "*Contour Integral, crack name=H-Output-1_Crack-1, contours=5, crack tip nodes, "
            "symm, normal\n"
            "0., 0.6, 0.8\n"
            "Part-1-1_Front-F1_, Part-1-1_Front-T1_\n"
            "Part-1-1_Front-F2_, Part-1-1_Front-T2_\n");
  // The crack name is made printable once, after the request name and "_"
  // are put in front: one pair of quotes around the whole.
  crack.SetSymmetric(false);
  EXPECT_EQ(ContourText(CrackRequest(), crack, {"Part-1-1.Front"}, {"Part-1-1.Tip"}, "H Output"),
            "*Contour Integral, crack name=\"H Output_Crack-1\", contours=5, crack tip nodes, "
            "normal\n"
            "0., 0.6, 0.8\n"
            "Part-1-1.Front, Part-1-1.Tip\n");
}

TEST(aif_ContourIntegral, QVectorsOnePerSegmentOrOneRepeated) {
  const std::string header =
      "*Contour Integral, crack name=H-Output-1_Crack-1, contours=5, crack tip nodes\n";
  // One q-vector: every segment line repeats it.
  EXPECT_EQ(ContourText(CrackRequest(), QVectorCrack({CrackSegment(2, 0, 0)}),
                        {"Front-1_", "Front-2_", "Front-3_"}, {"Tip-1_", "Tip-2_", "Tip-3_"}),
            header +
                "Front-1_, Tip-1_, 1., 0., 0.\n"
                "Front-2_, Tip-2_, 1., 0., 0.\n"
                "Front-3_, Tip-3_, 1., 0., 0.\n");
  // One per segment, in order; a list longer than the front is no error.
  EXPECT_EQ(ContourText(CrackRequest(),
                        QVectorCrack({CrackSegment(-4, 0, 3), CrackSegment(0, 0, -1),
                                      CrackSegment(1, 0, 0)}),
                        {"Front-1_", "Front-2_"}, {"Tip-1_", "Tip-2_"}),
            header +
                "Front-1_, Tip-1_, -0.8, 0., 0.6\n"
                "Front-2_, Tip-2_, 0., 0., -1.\n");
  // No segments: the keyword line alone, whatever the q-vectors.
  EXPECT_EQ(ContourText(CrackRequest(), QVectorCrack({}), {}, {}), header);
}

TEST(aif_ContourIntegral, ZeroLengthVectorsWriteZeros) {
  kefC_ContourIntegral crack;
  crack.SetNormal(CrackSegment(0, 0, 0));
  EXPECT_EQ(ContourText(CrackRequest(), crack, {"Front"}, {"Tip"}),
            "*Contour Integral, crack name=H-Output-1_Crack-1, contours=5, crack tip nodes, "
            "normal\n"
            "0., 0., 0.\n"
            "Front, Tip\n");
  EXPECT_EQ(
      ContourText(CrackRequest(), QVectorCrack({CrackSegment(0, 1, 0), CrackSegment(0, 0, 0)}),
                  {"F1", "F2"}, {"T1", "T2"}),
      "*Contour Integral, crack name=H-Output-1_Crack-1, contours=5, crack tip nodes\n"
      "F1, T1, 0., 1., 0.\n"
      "F2, T2, 0., 0., 0.\n");
}

TEST(aif_ContourIntegral, QVectorsThatDoNotFitTheFrontStopBeforeTheFirstLine) {
  // Two q-vectors for three segments, none for one: an error naming the
  // crack, nothing written (ThrownText checks that).
  EXPECT_EQ(
      ThrownText(aif_ContourIntegral(CrackRequest(), "H-Output-1",
                                     QVectorCrack({CrackSegment(1, 0, 0), CrackSegment(0, 1, 0)}),
                                     "Step-1", {"F1", "F2", "F3"}, {"T1", "T2", "T3"}, -1)),
      "The crack Crack-1 has 2 q-vectors for 3 crack front segments: give one q-vector for "
      "the whole front, or one for each segment.");
  EXPECT_EQ(ThrownText(aif_ContourIntegral(CrackRequest(), "H-Output-1", QVectorCrack({}), "Step-1",
                                           {"F1"}, {"T1"}, -1)),
            "The crack Crack-1 has 0 q-vectors for 1 crack front segments: give one q-vector for "
            "the whole front, or one for each segment.");
  // With a normal the q-vectors are not used: no error.
  kefC_ContourIntegral normal = QVectorCrack({});
  normal.SetNormal(CrackSegment(0, 0, 1));
  EXPECT_EQ(ThrownText(aif_ContourIntegral(CrackRequest(), "H-Output-1", normal, "Step-1",
                                           {"F1", "F2"}, {"T1", "T2"}, -1)),
            "");
}
