// "*Surface" of analytic rigid parts: cylinder, revolution and segments, in a
// part-based and a flat file, with their profile lines.
#include <initializer_list>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/gml_GeometricModel.h"
#include "ModKerLow/rgnF_Set.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_AnalyticalSurface.h"
#include "aif/impl/model/aif_Surface.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::KeywordText;

// A profile line: `head`, then each value as Print(value, 12, 15) writes it.
std::string P(const std::string& head, std::initializer_list<std::string> values) {
  return head + aif_test::Row(values);
}

class AnalyticalSurfaceTest : public ::testing::Test {
 protected:
  AnalyticalSurfaceTest() {
    instance_.SetPart(rigid_);
    instance_.SetTransform(gsl_Matrix::Translation({1, 2, 3}));
  }

  // Stores the profile of the part "Rigid" for the `revolved` flag.
  void Profile(int type, cow_List<cow_String> kinds, cow_List<gsl_Point> points,
               bool revolved = false, double boxSize = 1) {
    gml_GeometricModel model;
    gsl_BBox box;
    box.Extend({0, 0, 0});
    box.Extend({boxSize, 0, 0});
    model.SetBBox(box);
    model.SetAnalyticProfile(revolved, {type, kinds, points});
    rigid_->SetGeometricModel(std::make_shared<gml_GeometricModel>(model));
  }
  aif_Surface Surface(bool flat, const cow_String& name, const rgnF_Set& set = rgnF_Set()) {
    return aif_Surface(rigid_->ConstGetFeatureList(), instance_, *rigid_, set,
                       *(flat ? flat_ : part_).info, name);
  }
  std::string Text(bool flat, const cow_String& name, const rgnF_Set& set = rgnF_Set()) {
    return KeywordText(Surface(flat, name, set));
  }

  std::shared_ptr<ptoK_Part> rigid_ = std::make_shared<ptoK_Part>("Rigid");
  asoF_PartInstance instance_;
  aif_test::MeshContext part_{hst_ModelBuilder(), false}, flat_{hst_ModelBuilder(), true};
};

TEST_F(AnalyticalSurfaceTest, CylinderPlacedByAxisLinesProfileInLocalSystem) {
  // An unknown kind is skipped without consuming points; -1e-7 is below the
  // geometry's tolerance.
  Profile(47, {"Line", "Helix", "Arc", "Spline"},
          {{0, 0, 0}, {1, 0, 0}, {2, 1, 0}, {1.5, 0.5, 0}, {3, 2, 0}, {4.25, -1e-7, 0}});
  const std::string profile = P("START, ", {"0.", "0."}) + P(" LINE, ", {"1.", "0."}) +
                              P(" CIRCL, ", {"2.", "1.", "1.5", "0.5"}) +
                              P(" PARAB, ", {"3.", "2.", "4.25", "0."});
  // Part-based: only the keyword line; internal names are marked.
  EXPECT_EQ("*Surface, type=CYLINDER, name=_Cyl, internal\n" + profile, Text(false, "_Cyl"));
  // Flat: origin and x axis, then the negative z axis, all moved by the
  // instance; the profile is not moved.
  EXPECT_EQ(
      "*Surface, type=CYLINDER, name=_Cyl\n1., 2., 3., 101., 2., 3.\n1., 2., -97.\n" + profile,
      Text(true, "_Cyl"));
}

TEST_F(AnalyticalSurfaceTest, RevolutionAndSegments) {
  // A surface of revolution is profiled as revolved by the kernel.
  Profile(48, {"Line"}, {{5, 0, 0}, {5, 10, 0}}, true);
  rgnC_Region region;
  region.SetKernelComponents({rgnC_GeomComponent()});
  region.SetKernelSurfaceTypes({107});
  const rgnF_Set revolved(region);
  const std::string line = P("START, ", {"5.", "0."}) + P(" LINE, ", {"5.", "10."});
  // The name goes in printable.
  EXPECT_EQ("*Surface, type=REVOLUTION, name=\"Rev 1\"\n1., 2., 3., 1., 102., 3.\n" + line,
            Text(true, "Rev 1", revolved));
  EXPECT_EQ("*Surface, type=REVOLUTION, name=\"Rev 1\"\n" + line, Text(false, "Rev 1", revolved));
  // Asked as not revolved, the kernel has no profile and no surface type.
  EXPECT_EQ("", Text(true, "Rev 1"));

  // Segments of a flat file: every point moved by the instance.
  for (int type : {49, 50}) {
    Profile(type, {"Line"}, {{0, 0, 0}, {1, 0, 0}});
    EXPECT_EQ("*Surface, type=SEGMENTS, name=Seg\n" + P("START, ", {"1.", "2."}) +
                  P(" LINE, ", {"2.", "2."}),
              Text(true, "Seg"));
    EXPECT_EQ("*Surface, type=SEGMENTS, name=Seg\n" + P("START, ", {"0.", "0."}) +
                  P(" LINE, ", {"1.", "0."}),
              Text(false, "Seg"));
  }
  // No segments: the keyword line alone.
  Profile(49, {}, {});
  EXPECT_EQ("*Surface, type=SEGMENTS, name=Seg\n", Text(false, "Seg"));

  // A part of size 1e12: values below 1e-3 print as zero during this write.
  Profile(49, {"Line"}, {{0, 0, 0}, {1e-4, 0.01, 0}}, false, 1e12);
  const aif_Surface large = Surface(false, "Seg");
  EXPECT_EQ("*Surface, type=SEGMENTS, name=Seg\n" + P("START, ", {"0.", "0."}) +
                P(" LINE, ", {"0.", "0.01"}),
            aif_test::WrittenText([&](utl_Stream& s) {
              s.SetSmallestReal(1e-20);
              large.Write(s);
              EXPECT_EQ(1e-20, s.SmallestReal());
            }));
}

TEST_F(AnalyticalSurfaceTest, ShortProfilesAreRefusedBeforeAnythingIsWritten) {
  // One line needs 2 points; a line and an arc need 4.
  for (const auto& [points, needed] : {std::pair(0, "0 points; its 1 segments need 2."),
                                       {3, "3 points; its 2 segments need 4."}}) {
    cow_List<gsl_Point> list;
    for (int i = 0; i < points; ++i)
      list.Append({double(i), 0, 0});
    Profile(49, points ? cow_List<cow_String>{"Line", "Arc"} : cow_List<cow_String>{"Line"}, list);
    const aif_Surface surface = Surface(false, "Seg");
    aio_StringSink sink;
    EXPECT_EQ(aif_test::MessageOf([&] {
                utl_Stream stream(sink, aif_test::kBreakColumn, 6, 6);
                surface.Write(stream);
              }),
              std::string("The profile of the analytical surface Seg has ") + needed);
    EXPECT_EQ("", sink.text());
  }
  // A type that is no analytical surface writes nothing.
  Profile(12, {"Line"}, {{0, 0, 0}, {1, 0, 0}});
  EXPECT_EQ("", Text(true, "Seg"));
}

}  // namespace
