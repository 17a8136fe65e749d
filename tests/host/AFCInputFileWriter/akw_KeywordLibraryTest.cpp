// The keyword library the builders stand on: names as written into the file,
// the builder base with its keyword lists, and the per-write model context.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_Model.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/cow_Error.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_RawKeyword.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::WrittenText;

// ---------------------------------------------------------------------------
// Names

std::string Printable(const char* name) {
  return akw_MorvexName(name, false).Printable().Str();
}
std::string FileName(const char* name) {
  return akw_MorvexName(name, true).PrintableFileName().Str();
}

TEST(akw_MorvexNameTest, PrintableKeepsPlainNamesAndQuotesOthers) {
  EXPECT_EQ("Part-1", Printable("Part-1"));
  EXPECT_EQ("Set_2.Elements-3", Printable("Set_2.Elements-3"));
  EXPECT_EQ("ABCxyz0189", Printable("ABCxyz0189"));
  EXPECT_EQ("", Printable(""));

  EXPECT_EQ("\"My Part\"", Printable("My Part"));
  EXPECT_EQ("\"a,b\"", Printable("a,b"));
  EXPECT_EQ("\"Steel#1\"", Printable("Steel#1"));
  EXPECT_EQ("\"Set(1)\"", Printable("Set(1)"));
  EXPECT_EQ("\"T\xC3\xA4st\"", Printable("T\xC3\xA4st"));  // non-ASCII letters
  // Without quotes in the name the whole name is one component.
  EXPECT_EQ("\"Part 1.Set 1\"", Printable("Part 1.Set 1"));
}

TEST(akw_MorvexNameTest, PrintableTreatsQuotedNamesPerComponent) {
  EXPECT_EQ("\"My Part\".\"Set 1\"", Printable("\"My Part\".Set 1"));
  EXPECT_EQ("\"My Part\".Set-1", Printable("\"My Part\".Set-1"));
  EXPECT_EQ("Assembly.\"Part 1\".\"Top, left\"", Printable("Assembly.\"Part 1\".Top, left"));
  // A dot inside quotes does not split.
  EXPECT_EQ("\"a.b c\".\"d e\"", Printable("\"a.b c\".d e"));
  EXPECT_EQ("\"Already quoted\"", Printable("\"Already quoted\""));
}

TEST(akw_MorvexNameTest, FileNameIsQuotedOnlyForABlankOrAComma) {
  EXPECT_EQ("/jobs/run-1/Job-1.inp", FileName("/jobs/run-1/Job-1.inp"));
  EXPECT_EQ("Steel#1.inp", FileName("Steel#1.inp"));
  EXPECT_EQ("", FileName(""));
  EXPECT_EQ("\"my job.inp\"", FileName("my job.inp"));
  EXPECT_EQ("\"a,b.inp\"", FileName("a,b.inp"));
  EXPECT_EQ("\"my job.inp\"", FileName("\"my job.inp\""));
}

TEST(akw_MorvexNameTest, StreamWritesTheFormTheFlagSelects) {
  EXPECT_EQ("*Include, input=\"Steel#1\"\n", WrittenText([](utl_Stream& s) {
              s << "*Include, input=" << akw_MorvexName("Steel#1", false);
              s.LineBreak();
            }));
  EXPECT_EQ("*Include, input=Steel#1\n", WrittenText([](utl_Stream& s) {
              s << "*Include, input=" << akw_MorvexName("Steel#1", true);
              s.LineBreak();
            }));
  EXPECT_EQ("\"my job.inp\", \"My Part\".\"Set 1\"\n", WrittenText([](utl_Stream& s) {
              s << akw_MorvexName("my job.inp", true) << ", "
                << akw_MorvexName("\"My Part\".Set 1", false);
              s.LineBreak();
            }));
}

TEST(akw_MorvexNameTest, ControlCharactersAreRejectedNamingTheName) {
  struct Case {
    const char* name;
    const char* shown;
  };
  const Case cases[] = {
      {"Set\n1", "Set\\n1"},
      {"Set 1\r", "Set 1\\r"},
      {"Tab\there", "Tab\\x09here"},
      {"Del\x7F", "Del\\x7F"},
      {"\"My Part\".Set\n1", "\"My Part\".Set\\n1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    const std::string expected = std::string("The name \"") + c.shown +
                                 "\" holds a line break or another control character and cannot "
                                 "be written to the input file.";
    for (bool isFileName : {false, true}) {
      akw_MorvexName name(c.name, isFileName);
      try {
        isFileName ? name.PrintableFileName() : name.Printable();
        ADD_FAILURE() << "no exception";
      } catch (const nex_TextException& e) {
        EXPECT_EQ(expected, e.Text().Str());
      }
      // Through the stream nothing of the name is written.
      aio_StringSink sink;
      {
        utl_Stream stream(sink, aif_test::kBreakColumn, aif_test::kDoublePrecision,
                          aif_test::kFloatPrecision);
        stream << "*Elset, elset=";
        EXPECT_THROW(stream << name, nex_TextException);
      }
      EXPECT_EQ("*Elset, elset=", sink.text());
    }
  }
}

// ---------------------------------------------------------------------------
// Model context and builders

class TestModel : public akw_Model {
 public:
  using akw_Model::akw_Model;
  TestModel(const TestModel&) = default;
  akw_Model* Clone() const override { return new TestModel(*this); }
};

class TestModelInfo : public akw_ModelInfo {
 public:
  TestModelInfo() = default;
  explicit TestModelInfo(const char* modelName)
      : akw_ModelInfo(cow_COW<akw_Model>(new TestModel(modelName))) {
    SetAssyNodeOffset(1, 1000);
    SetAssyElementOffset(1, 2000);
    SetAssyNodeOffset(3, 5000);
  }
};

TEST(akw_ModelInfoTest, OffsetsByInstanceIdAndModel) {
  TestModelInfo info("Model-1");
  EXPECT_EQ(cow_String("Model-1"), info.Model().Name());
  EXPECT_EQ(1000, info.AssyNodeOffsetsID(1));
  EXPECT_EQ(2000, info.AssyElementOffsetsID(1));
  EXPECT_EQ(5000, info.AssyNodeOffsetsID(3));
  EXPECT_EQ(0, info.AssyElementOffsetsID(3));  // a node offset only
  EXPECT_EQ(0, info.AssyNodeOffsetsID(2));
  EXPECT_EQ(0, info.AssyElementOffsetsID(2));
  EXPECT_EQ(0, info.AssyNodeOffsetsID(-1));

  TestModelInfo empty;
  EXPECT_TRUE(empty.ModelHandle().IsNull());
  EXPECT_THROW(empty.Model(), cow_OutOfRange);
  EXPECT_EQ(0, empty.AssyNodeOffsetsID(1));
}

// A keyword whose text can change after it was filed.
class TextKeyword : public akw_Keyword {
 public:
  explicit TextKeyword(std::string text) : text_(std::move(text)) {}
  TextKeyword(const TextKeyword&) = default;
  akw_Keyword* Clone() const override { return new TextKeyword(*this); }
  void Write(utl_Stream& stream) const override {
    stream << text_.c_str();
    stream.LineBreak();
  }
  std::string text_;
};

// Files one or more keywords through every adder.
class TestBuilder : public akw_BuilderComponent {
 public:
  explicit TestBuilder(akw_ModelInfo& info)
      : akw_BuilderComponent(info), shared_(new aif_RawKeyword("** shared")) {}
  TestBuilder(const TestBuilder&) = default;

  void Build() override {
    AddModelDefinition(aif_RawKeyword("*Heading"));
    AddModelDefinition(shared_);
    AddPartDefinition("Part-1", aif_RawKeyword("*Part, name=Part-1"));
    AddPartDefinition("Part-2", aif_RawKeyword("*Part, name=Part-2"));
    AddPartDefinition("Part-1", aif_RawKeyword("*Node"));
    AddPartDefinition("Part-1", shared_);
    AddInstanceDefinition("Part-1-1", aif_RawKeyword("*Instance, name=Part-1-1, part=Part-1"));
    AddInstanceDefinition("Part-1-1", shared_);
    AddAssemblyDefinition(aif_RawKeyword("*Assembly, name=Assembly"));
    AddAssemblyDefinition(shared_);
    AddStepDefinition("Step-1", aif_RawKeyword("*Step, name=Step-1"));
    AddStepDefinition("Step-1", aif_RawKeyword("*Load Case, name=LC-1"), "LC-1");
    AddStepDefinition("Step-1", shared_, "LC-1");
    AddStepDefinition("Step-1", shared_);
    AddKestOptionDefinition(aif_RawKeyword("DRIVER"));
    AddSingleTermDefinition(aif_RawKeyword("DRESP"));
    AddCombinedTermDefinition(aif_RawKeyword("DRESP_COMBINED"));
    AddDesignAreaDefinition(aif_RawKeyword("DV_TOPO"));
  }
  akw_BuilderComponent* Clone() const override { return new TestBuilder(*this); }

  // Files a copy of `keyword` as a model definition.
  void FileModelDefinition(const akw_Keyword& keyword) { AddModelDefinition(keyword); }
  const akw_KeywordHandle& Shared() const { return shared_; }
  const akw_Model& BuilderModel() const { return Model(); }
  akw_ModelInfo& BuilderModelInfo() const { return ModelInfo(); }

 private:
  akw_KeywordHandle shared_;
};

std::string Text(const akw_KeywordList& list) {
  return WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
}

TEST(akw_BuilderComponentTest, GettersGiveTheKeywordsFiledPerSectionInOrder) {
  TestModelInfo info("Model-1");
  TestBuilder builder(info);
  EXPECT_EQ(&info, &builder.BuilderModelInfo());
  EXPECT_EQ(cow_String("Model-1"), builder.BuilderModel().Name());

  // Nothing before Build.
  EXPECT_TRUE(builder.ModelDefinition().IsEmpty());
  EXPECT_TRUE(builder.PartDefinition("Part-1").IsEmpty());
  EXPECT_TRUE(builder.StepDefinition("Step-1", "").IsEmpty());

  builder.Build();
  EXPECT_EQ("*Heading\n** shared\n", Text(builder.ModelDefinition()));
  EXPECT_EQ("*Part, name=Part-1\n*Node\n** shared\n", Text(builder.PartDefinition("Part-1")));
  EXPECT_EQ("*Part, name=Part-2\n", Text(builder.PartDefinition("Part-2")));
  EXPECT_EQ("*Instance, name=Part-1-1, part=Part-1\n** shared\n",
            Text(builder.InstanceDefinition("Part-1-1")));
  EXPECT_EQ("*Assembly, name=Assembly\n** shared\n", Text(builder.AssemblyDefinition()));
  // Step definitions are keyed by step and load case; no load case is the
  // empty name.
  EXPECT_EQ("*Step, name=Step-1\n** shared\n", Text(builder.StepDefinition("Step-1", "")));
  EXPECT_EQ("*Load Case, name=LC-1\n** shared\n", Text(builder.StepDefinition("Step-1", "LC-1")));
  EXPECT_EQ("DRIVER\n", Text(builder.KestOptionDefinition()));
  EXPECT_EQ("DRESP\n", Text(builder.SingleTermDefinition()));
  EXPECT_EQ("DRESP_COMBINED\n", Text(builder.CombinedTermDefinition()));
  EXPECT_EQ("DV_TOPO\n", Text(builder.DesignAreaDefinition()));

  // Names without entries (names are matched exactly).
  EXPECT_TRUE(builder.PartDefinition("PART-1").IsEmpty());
  EXPECT_TRUE(builder.PartDefinition("Part-1-1").IsEmpty());
  EXPECT_TRUE(builder.InstanceDefinition("Part-1").IsEmpty());
  EXPECT_TRUE(builder.StepDefinition("Step-2", "").IsEmpty());
  EXPECT_TRUE(builder.StepDefinition("LC-1", "").IsEmpty());
  EXPECT_TRUE(builder.StepDefinition("Step-1", "LC-2").IsEmpty());
  EXPECT_EQ("", Text(builder.StepDefinition("Step-2", "LC-1")));
}

TEST(akw_BuilderComponentTest, ListsShareKeywordsAndAddersCopyThem) {
  TestModelInfo info("Model-1");
  TestBuilder builder(info);
  builder.Build();

  // A list filed through a handle shares the handle's keyword.
  akw_KeywordList model = builder.ModelDefinition();
  ASSERT_EQ(2u, model.Length());
  EXPECT_TRUE(model[1].SharesWith(builder.Shared()));
  EXPECT_TRUE(builder.StepDefinition("Step-1", "LC-1")[1].SharesWith(builder.Shared()));

  // Each getter's copy shares the builder's list and keywords.
  akw_KeywordList again = builder.ModelDefinition();
  EXPECT_TRUE(again.SharesWith(model));
  EXPECT_TRUE(again[0].SharesWith(model[0]));

  // Appending to a copy leaves the builder's list as it was.
  again.Append(akw_KeywordHandle(aif_RawKeyword("*End Step")));
  EXPECT_FALSE(again.SharesWith(model));
  EXPECT_TRUE(again[0].SharesWith(model[0]));
  EXPECT_EQ("*Heading\n** shared\n", Text(builder.ModelDefinition()));
  EXPECT_EQ("*Heading\n** shared\n*End Step\n", Text(again));

  // The keyword-taking adder files a copy: a later change to the caller's
  // keyword does not reach the list.
  TextKeyword keyword("*Preprint, echo=NO");
  builder.FileModelDefinition(keyword);
  keyword.text_ = "*Preprint, echo=YES";
  EXPECT_EQ("*Heading\n** shared\n*Preprint, echo=NO\n", Text(builder.ModelDefinition()));
  // The earlier copy was not changed either.
  EXPECT_EQ("*Heading\n** shared\n", Text(model));
}

TEST(akw_BuilderComponentTest, CloneSharesKeywordsAndThenGoesItsOwnWay) {
  TestModelInfo info("Model-1");
  TestBuilder builder(info);
  builder.Build();

  std::unique_ptr<akw_BuilderComponent> clone(builder.Clone());
  ASSERT_NE(nullptr, dynamic_cast<TestBuilder*>(clone.get()));
  EXPECT_TRUE(clone->PartDefinition("Part-1").SharesWith(builder.PartDefinition("Part-1")));
  EXPECT_TRUE(clone->StepDefinition("Step-1", "LC-1")[0].SharesWith(
      builder.StepDefinition("Step-1", "LC-1")[0]));
  EXPECT_EQ("*Part, name=Part-1\n*Node\n** shared\n", Text(clone->PartDefinition("Part-1")));

  // Building the clone again files everything a second time in the clone only.
  clone->Build();
  EXPECT_EQ("*Part, name=Part-1\n*Node\n** shared\n*Part, name=Part-1\n*Node\n** shared\n",
            Text(clone->PartDefinition("Part-1")));
  EXPECT_EQ("DRIVER\nDRIVER\n", Text(clone->KestOptionDefinition()));
  EXPECT_EQ("*Part, name=Part-1\n*Node\n** shared\n", Text(builder.PartDefinition("Part-1")));
  EXPECT_EQ("*Step, name=Step-1\n** shared\n", Text(builder.StepDefinition("Step-1", "")));
  EXPECT_EQ("DRIVER\n", Text(builder.KestOptionDefinition()));
}

TEST(akw_WriteKeywordsTest, WritesEveryKeywordInOrder) {
  akw_KeywordList list;
  EXPECT_EQ("", Text(list));
  list.Append(akw_KeywordHandle(aif_RawKeyword("*Step, name=Step-1")));
  list.Append(akw_KeywordHandle(aif_RawKeyword("")));  // writes nothing
  list.Append(akw_KeywordHandle(aif_RawKeyword("*Static\n0.1, 1.\n")));
  list.Append(akw_KeywordHandle(TextKeyword("*End Step")));
  EXPECT_EQ("*Step, name=Step-1\n*Static\n0.1, 1.\n*End Step\n", Text(list));
}

}  // namespace
