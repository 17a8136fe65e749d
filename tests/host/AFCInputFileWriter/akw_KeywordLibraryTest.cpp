// The keyword library the builders stand on: names as written into the file,
// the builder base with its keyword lists, and the per-write model context.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_Model.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_RawKeyword.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::WrittenText;

// ---------------------------------------------------------------------------
// Names

TEST(akw_MorvexNameTest, PlainNamesAreKeptAndOthersQuoted) {
  struct Case {
    const char* name;
    bool isFileName;
    const char* written;
  };
  const Case cases[] = {
      {"Set_2.Elements-3", false, "Set_2.Elements-3"},
      {"", false, ""},
      {"My Part", false, "\"My Part\""},
      {"Steel#1", false, "\"Steel#1\""},
      {"T\xC3\xA4st", false, "\"T\xC3\xA4st\""},  // non-ASCII letters
      // Without quotes in the name the whole name is one component.
      {"My Part.Set 1", false, "\"My Part.Set 1\""},
      // With quotes each component is on its own; a dot inside quotes does not split.
      {"Assembly.\"Part 1\".Top, left", false, "Assembly.\"Part 1\".\"Top, left\""},
      {"\"a.b c.d\".e f", false, "\"a.b c.d\".\"e f\""},
      // A file name is quoted only for a blank or a comma, and not twice.
      {"/jobs/run-1/Steel#1.inp", true, "/jobs/run-1/Steel#1.inp"},
      {"my job.inp", true, "\"my job.inp\""},
      {"a,b.inp", true, "\"a,b.inp\""},
      {"\"my job.inp\"", true, "\"my job.inp\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::string("*Include, input=") + c.written + "\n", WrittenText([&](utl_Stream& s) {
                s << "*Include, input=" << akw_MorvexName(c.name, c.isFileName);
                s.LineBreak();
              }));
  }
}

TEST(akw_MorvexNameTest, ControlCharactersAreRejectedNamingTheName) {
  const std::pair<const char*, const char*> cases[] = {
      {"Set\n1", "Set\\n1"},
      {"Set 1\r", "Set 1\\r"},
      {"Tab\there", "Tab\\x09here"},
      {"Del\x7F", "Del\\x7F"},
      {"\"My Part\".Set\n1", "\"My Part\".Set\\n1"},
  };
  for (const auto& [raw, shown] : cases) {
    for (bool isFileName : {false, true}) {
      SCOPED_TRACE(shown);
      // Nothing of the name is written.
      EXPECT_EQ("*Elset, elset=", WrittenText([&](utl_Stream& s) {
                  s << "*Elset, elset=";
                  try {
                    s << akw_MorvexName(raw, isFileName);
                    ADD_FAILURE() << "no exception";
                  } catch (const nex_TextException& e) {
                    EXPECT_EQ(std::string("The name \"") + shown +
                                  "\" holds a line break or another control character and "
                                  "cannot be written to the input file.",
                              e.Text().Str());
                  }
                }));
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
  TestModelInfo() : akw_ModelInfo(cow_COW<akw_Model>(new TestModel("Model-1"))) {}
};

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
    AddPartDefinition("Part-1", shared_);
    AddInstanceDefinition("Part-1-1", aif_RawKeyword("*Instance, name=Part-1-1, part=Part-1"));
    AddInstanceDefinition("Part-1-1", shared_);
    AddAssemblyDefinition(aif_RawKeyword("*Assembly, name=Assembly"));
    AddAssemblyDefinition(shared_);
    AddStepDefinition("Step-1", aif_RawKeyword("*Step, name=Step-1"));
    AddStepDefinition("Step-1", aif_RawKeyword("*Load Case, name=LC-1"), "LC-1");
    AddStepDefinition("Step-1", shared_, "LC-1");
    AddKestOptionDefinition(aif_RawKeyword("DRIVER"));
    AddSingleTermDefinition(aif_RawKeyword("DRESP"));
    AddCombinedTermDefinition(aif_RawKeyword("DRESP_COMBINED"));
    AddDesignAreaDefinition(aif_RawKeyword("DV_TOPO"));
  }
  akw_BuilderComponent* Clone() const override { return new TestBuilder(*this); }

  // Files a copy of `keyword` as a model definition.
  void FileModelDefinition(const akw_Keyword& keyword) { AddModelDefinition(keyword); }

  akw_KeywordHandle shared_;
};

std::string Text(const akw_KeywordList& list) {
  return WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
}

TEST(akw_BuilderComponentTest, GettersGiveTheKeywordsFiledPerSectionInOrder) {
  TestModelInfo info;
  TestBuilder builder(info);
  builder.Build();
  EXPECT_EQ("*Heading\n** shared\n", Text(builder.ModelDefinition()));
  EXPECT_EQ("*Part, name=Part-1\n** shared\n", Text(builder.PartDefinition("Part-1")));
  EXPECT_EQ("*Part, name=Part-2\n", Text(builder.PartDefinition("Part-2")));
  EXPECT_EQ("*Instance, name=Part-1-1, part=Part-1\n** shared\n",
            Text(builder.InstanceDefinition("Part-1-1")));
  EXPECT_EQ("*Assembly, name=Assembly\n** shared\n", Text(builder.AssemblyDefinition()));
  // Step definitions are keyed by step and load case; no load case is the
  // empty name.
  EXPECT_EQ("*Step, name=Step-1\n", Text(builder.StepDefinition("Step-1", "")));
  EXPECT_EQ("*Load Case, name=LC-1\n** shared\n", Text(builder.StepDefinition("Step-1", "LC-1")));
  EXPECT_EQ("DRIVER\n", Text(builder.KestOptionDefinition()));
  EXPECT_EQ("DRESP\n", Text(builder.SingleTermDefinition()));
  EXPECT_EQ("DRESP_COMBINED\n", Text(builder.CombinedTermDefinition()));
  EXPECT_EQ("DV_TOPO\n", Text(builder.DesignAreaDefinition()));

  // Names without entries (names are matched exactly).
  EXPECT_TRUE(builder.PartDefinition("PART-1").IsEmpty());
  EXPECT_TRUE(builder.StepDefinition("Step-1", "LC-2").IsEmpty());
}

TEST(akw_BuilderComponentTest, HandlesAreSharedAndKeywordsCopied) {
  TestModelInfo info;
  TestBuilder builder(info);
  builder.Build();
  akw_KeywordList model = builder.ModelDefinition();
  EXPECT_TRUE(model[1].SharesWith(builder.shared_));
  EXPECT_TRUE(builder.StepDefinition("Step-1", "LC-1")[1].SharesWith(builder.shared_));

  // The keyword-taking adder files a copy: a later change to the caller's
  // keyword does not reach the list, nor does the new entry reach an earlier copy.
  TextKeyword keyword("*Preprint, echo=NO");
  builder.FileModelDefinition(keyword);
  keyword.text_ = "*Preprint, echo=YES";
  EXPECT_EQ("*Heading\n** shared\n*Preprint, echo=NO\n", Text(builder.ModelDefinition()));
  EXPECT_EQ("*Heading\n** shared\n", Text(model));
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
