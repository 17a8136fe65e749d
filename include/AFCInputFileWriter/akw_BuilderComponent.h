// Base of every builder. A builder is constructed with the per-write context,
// fills its keyword lists once per write in Build, and the driver then reads
// the lists section by section through the nine getters.
#pragma once

#include <utility>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class akw_BuilderFiling;

class akw_BuilderComponent : public mem_AllocationOperators {
 public:
  explicit akw_BuilderComponent(akw_ModelInfo& modelInfo);
  virtual ~akw_BuilderComponent() = default;

  // The keywords filed for each section of the file; an empty list for a name
  // with no entries. Lists share their keywords with the builder.
  akw_KeywordList ModelDefinition() const { return model_; }
  akw_KeywordList PartDefinition(const cow_String& part) const;
  akw_KeywordList InstanceDefinition(const cow_String& instance) const;
  akw_KeywordList AssemblyDefinition() const { return assembly_; }
  akw_KeywordList StepDefinition(const cow_String& step, const cow_String& loadCase) const;
  akw_KeywordList KestOptionDefinition() const { return kestOption_; }
  akw_KeywordList SingleTermDefinition() const { return singleTerm_; }
  akw_KeywordList CombinedTermDefinition() const { return combinedTerm_; }
  akw_KeywordList DesignAreaDefinition() const { return designArea_; }

  virtual void Build() = 0;
  // A new copy of this builder, owned by the caller.
  virtual akw_BuilderComponent* Clone() const = 0;

 protected:
  akw_BuilderComponent(const akw_BuilderComponent&) = default;

  akw_ModelInfo& ModelInfo() const { return *modelInfo_; }
  const akw_Model& Model() const { return *modelHandle_; }

  // Each adder appends a copy of the keyword (made through Clone), or shares
  // the keyword a handle holds.
  void AddModelDefinition(const akw_Keyword& k) { model_.Append(akw_KeywordHandle(k)); }
  void AddModelDefinition(const akw_KeywordHandle& k) { model_.Append(k); }
  void AddPartDefinition(const cow_String& part, const akw_Keyword& k);
  void AddPartDefinition(const cow_String& part, const akw_KeywordHandle& k);
  void AddInstanceDefinition(const cow_String& instance, const akw_Keyword& k);
  void AddInstanceDefinition(const cow_String& instance, const akw_KeywordHandle& k);
  void AddAssemblyDefinition(const akw_Keyword& k) { assembly_.Append(akw_KeywordHandle(k)); }
  void AddAssemblyDefinition(const akw_KeywordHandle& k) { assembly_.Append(k); }
  void AddStepDefinition(const cow_String& step, const akw_Keyword& k,
                         const cow_String& loadCase = cow_String());
  void AddStepDefinition(const cow_String& step, const akw_KeywordHandle& k,
                         const cow_String& loadCase = cow_String());
  void AddKestOptionDefinition(const akw_Keyword& k) { kestOption_.Append(akw_KeywordHandle(k)); }
  void AddSingleTermDefinition(const akw_Keyword& k) { singleTerm_.Append(akw_KeywordHandle(k)); }
  void AddCombinedTermDefinition(const akw_Keyword& k) {
    combinedTerm_.Append(akw_KeywordHandle(k));
  }
  void AddDesignAreaDefinition(const akw_Keyword& k) { designArea_.Append(akw_KeywordHandle(k)); }

 private:
  friend class akw_BuilderFiling;
  using StepKey = std::pair<cow_String, cow_String>;  // step name, load-case name

  akw_ModelInfo* modelInfo_;
  cow_COW<akw_Model> modelHandle_;
  akw_KeywordList model_;
  cow_Map<cow_String, akw_KeywordList> parts_;
  cow_Map<cow_String, akw_KeywordList> instances_;
  akw_KeywordList assembly_;
  cow_Map<StepKey, akw_KeywordList> steps_;
  akw_KeywordList kestOption_;
  akw_KeywordList singleTerm_;
  akw_KeywordList combinedTerm_;
  akw_KeywordList designArea_;
};

// The one route by which a free keyword routine files into the builder it is
// handed (connector behaviours, assembled-fastener orientations): the adders
// stay protected on every builder.
class akw_BuilderFiling {
 public:
  static void AddModelDefinition(akw_BuilderComponent& builder, const akw_Keyword& k) {
    builder.AddModelDefinition(k);
  }
  static void AddAssemblyDefinition(akw_BuilderComponent& builder, const akw_Keyword& k) {
    builder.AddAssemblyDefinition(k);
  }
  // The context of the write the builder serves (what the filed keywords ask
  // of the model info).
  static akw_ModelInfo& ModelInfo(const akw_BuilderComponent& builder) {
    return builder.ModelInfo();
  }
};
