// "*Substructure Property": the element set it names, the translation and
// rotation lines, and the flat decks the substructure builder writes it in.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/sections/aif_SubstructureBuilder.h"
#include "aif/impl/sections/aif_SubstructureProperty.h"
#include "aif_FeatureTestSupport.h"
#include "support/aif_DeckTestSupport.h"

namespace {

constexpr double kPi = 3.141592653589793;

// A substructure instance "Sub-1" (id 1) of a part whose one element lies in
// a file, placed by `transform`.
hst_ModelBuilder SubstructureModel(const gsl_Matrix& transform, bool flat = true) {
  auto mesh = hst_GridMesh(1, 1, 1);
  mesh->SetElementFile("Z1", "sub.dat");
  hst_ModelBuilder b;
  b.AddPart("Reduced", mesh);
  hst_ModelBuilder::InstanceOptions options;
  options.theory.fileElements = true;
  options.substructure = true;
  options.transform = transform;
  b.AddInstance("Sub-1", "Reduced", options);
  b.Assembly().SetRequiresFlatInputFile(flat);
  return b;
}

// What the property of "Sub-1" writes once the label table holds `record`
// (none when `name` is empty); `claimed`: a set has named the record.
std::string SubstructureText(const gsl_Matrix& transform, const char* name, bool claimed = true,
                             int key = 1) {
  const hst_ModelBuilder b = SubstructureModel(transform);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  if (*name) {
    auto record = std::make_unique<aif_ElementFileRecord>(key);
    record->SetName(name);
    record->SetFirstLabel(7);
    record->SetValue(claimed ? 1 : 0);
    info.LabelTable()->Set(1, std::move(record));
  }
  const auto& instance =
      *asoF_Utils::ConstGetPartInstance(info.Assembly()->ConstGetFeatureList(), 1);
  return aif_test::KeywordText(aif_SubstructureProperty(instance, info));
}

TEST(aif_SubstructureProperty, TranslationAndRotationLines) {
  // Neither moved nor turned: the keyword line alone.
  EXPECT_EQ(SubstructureText(gsl_Matrix(), "SubSet"), "*Substructure Property, elset=SubSet\n");
  // Moved only.
  EXPECT_EQ(SubstructureText(gsl_Matrix::Translation({1.5, 0, -2}), "SubSet"),
            "*Substructure Property, elset=SubSet\n"
            "         1.5,           0.,          -2.\n");
  // Turned by pi/2 about z through the origin: a translation line of zeros
  // first, then the axis from the point to the point plus the axis, and 90.
  EXPECT_EQ(SubstructureText(gsl_Matrix::AxisRotation({0, 0, 0}, {0, 0, 1}, kPi / 2), "SubSet"),
            "*Substructure Property, elset=SubSet\n"
            "          0.,           0.,           0.\n"
            "          0.,           0.,           0.,           0.,           0.,           1.,"
            "          90.\n");
  // A negative turn is the positive one about the flipped axis; the point on
  // the axis is the translation.
  gsl_Matrix turned = gsl_Matrix::AxisRotation({0, 0, 0}, {1, 0, 0}, -kPi / 4);
  turned.SetTranslation({0, 2, 0});
  EXPECT_EQ(SubstructureText(turned, "SubSet"),
            "*Substructure Property, elset=SubSet\n"
            "          0.,           2.,           0.\n"
            "          0.,           2.,           0.,          -1.,           2.,           0.,"
            "          45.\n");
  // No record for the instance, or one of another instance: nothing.
  EXPECT_EQ(SubstructureText(gsl_Matrix(), ""), "");
  EXPECT_EQ(SubstructureText(gsl_Matrix(), "SubSet", true, 2), "");
  // No set claimed the record, whose name is the element type: the file
  // element gets a set of its own, which the property names.
  EXPECT_EQ(SubstructureText(gsl_Matrix(), "Z1", false),
            "*Elset, elset=Sub-1_Substructure_\n 7,\n"
            "*Substructure Property, elset=Sub-1_Substructure_\n");
}

TEST(aif_SubstructureBuilder, FlatDecksOnlyAndTheSetIsDefined) {
  const gsl_Matrix moved = gsl_Matrix::Translation({0, 0, 3});
  using Built = aif_test::FeatureBuilt<aif_SubstructureBuilder>;
  EXPECT_EQ(Built(SubstructureModel(moved, false)).Instance("Sub-1"), "");
  hst_ModelBuilder without = SubstructureModel(moved);
  without.WithoutAssembly();
  const Built none(without);
  EXPECT_EQ(none.Instance("Sub-1") + none.Assembly() + none.Model(), "");

  // Through the driver: the file element, then the property naming a set
  // the deck defines.
  aif_test::TempDeck deck("aif_SubstructureBuilderTest");
  const std::string text = deck.Write(SubstructureModel(moved));
  EXPECT_NE(text.find("*Element, type=Z1, file=sub.dat\n1, 1, 2, 3, 4, 5, 6, 7, 8\n"
                      "*Elset, elset=Sub-1_Substructure_\n 1,\n"
                      "*Substructure Property, elset=Sub-1_Substructure_\n"
                      "          0.,           0.,           3.\n"),
            std::string::npos)
      << text;
}

}  // namespace
