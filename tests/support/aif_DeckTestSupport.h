// Decks and builder lists for tests: a deck file written through the driver
// and removed afterwards, and the keyword lists one builder component files.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace aif_test {

// A deck path in the temp folder, unique per process and name; the file is
// removed with the object.
class TempDeck {
 public:
  explicit TempDeck(const std::string& name)
      : path_((std::filesystem::temp_directory_path() /
               (name + "." + std::to_string(getpid()) + ".inp"))
                  .string()) {}
  ~TempDeck() { std::filesystem::remove(path_); }
  TempDeck(const TempDeck&) = delete;
  TempDeck& operator=(const TempDeck&) = delete;

  const std::string& Path() const { return path_; }
  // The model keywords of `b` written through the driver; the text of the
  // file (a failed expectation when the driver refuses to write).
  std::string Write(const hst_ModelBuilder& b) const {
    const bas_NewModel model = b.Model();
    aif_Job job("Job-1", b.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    EXPECT_TRUE(builder.WriteInputFile(path_, false, true));
    return ReadFile(path_);
  }

 private:
  std::string path_;
};

// What a builder component filed, each list written: the model definition,
// and the part "Block", the instance "Block-1", the assembly and the steps
// "Initial" and "Step-1" one after the other.
struct FiledText {
  std::string model;
  std::string other;
};

template <class Builder>
FiledText BuildAndWrite(aif_ModelInfo& info) {
  Builder builder(info);
  builder.Build();
  // A clone carries what was filed.
  std::unique_ptr<akw_BuilderComponent> clone(builder.Clone());
  auto text = [](const akw_KeywordList& list) {
    return WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
  };
  return {text(clone->ModelDefinition()),
          text(clone->PartDefinition("Block")) + text(clone->InstanceDefinition("Block-1")) +
              text(clone->AssemblyDefinition()) + text(clone->StepDefinition("Initial", "")) +
              text(clone->StepDefinition("Step-1", ""))};
}

}  // namespace aif_test
