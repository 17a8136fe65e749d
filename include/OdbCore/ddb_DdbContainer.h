// The results database of a results file: the models an earlier job wrote,
// each with its analysis product and its steps by name and in run order. A
// step records its number, its procedure type, the kernel step it ran and
// whether it is an analysis step (the initial step of a model is not).
//
// The stand-in holds no file format: a test registers what a results file
// holds (AddResultsModel) under the file's absolute path, and OpenDdb hands
// out those results while the file exists on disk.
#pragma once

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kprC_Step.h"

class rds_RfmFile;

class ddb_Step {
 public:
  ddb_Step(int id, unsigned procedureType) : id_(id), procedureType_(procedureType) {}
  // A step that ran the kernel step `step` (a copy is kept).
  ddb_Step(int id, unsigned procedureType, const kprC_AnalysisStep& step)
      : id_(id), procedureType_(procedureType), step_(step) {}

  int stepId() const { return id_; }
  unsigned getKprProcedureType() const { return procedureType_; }
  // The kernel step; throws cow_OutOfRange when the results hold none.
  const kprC_AnalysisStep& AnalysisStep() const { return *step_; }
  // Whether the step ran an analysis; true unless set otherwise.
  bool isAnalisysStep() const { return analysis_; }
  ddb_Step& SetIsAnalysisStep(bool analysis) {
    analysis_ = analysis;
    return *this;
  }

 private:
  int id_;
  unsigned procedureType_;
  cow_COW<kprC_AnalysisStep> step_;
  bool analysis_ = true;
};

using ddb_StepContainer = cow_Map<cow_String, ddb_Step>;

class ddb_Model {
 public:
  explicit ddb_Model(cow_String name) : name_(std::move(name)) {}

  const cow_String& Name() const { return name_; }
  const ddb_StepContainer& Steps() const { return steps_; }
  // The step names in the order the steps ran (the order they were added).
  const cow_List<cow_String>& StepOrder() const { return order_; }
  // The product that ran the job: 0 the standard solver, 1 the explicit one;
  // other values are the database's own.
  int AnalysisProduct() const { return product_; }

  // Adds `step` under `name` after the steps added before; a name added again
  // replaces that step and keeps its place.
  ddb_Model& AddStep(const cow_String& name, const ddb_Step& step) {
    if (steps_.Set(name, step)) order_.Append(name);
    return *this;
  }
  ddb_Model& SetAnalysisProduct(int product) {
    product_ = product;
    return *this;
  }
  // The names of the amplitudes the earlier job wrote (its amplitude
  // repository's keys, upper-cased as the solver keeps them); none unless added.
  const cow_List<cow_String>& AmplitudeNames() const { return amplitudes_; }
  ddb_Model& AddAmplitude(const cow_String& name) {
    amplitudes_.Append(name);
    return *this;
  }

 private:
  cow_String name_;
  ddb_StepContainer steps_;
  cow_List<cow_String> order_;
  int product_ = 0;
  cow_List<cow_String> amplitudes_;
};

class ddb_DdbContainer {
 public:
  // Opens the results database of `file` and hands it to the calling thread's
  // root (ddr_Root) under the file's path; `name` empty keeps the database's
  // own name. Throws nex_TextException when nothing is registered for the
  // path and cow_OutOfRange when the root holds the path already.
  static ddb_DdbContainer& OpenDdb(const rds_RfmFile& file, const cow_String& name);
  ddb_DdbContainer(const ddb_DdbContainer&) = delete;
  ddb_DdbContainer& operator=(const ddb_DdbContainer&) = delete;

  // Closes the database: the root drops it and this object is destroyed.
  void CloseDdb();

  const cow_String& Path() const { return path_; }
  // The results model named `name`; throws cow_OutOfRange when there is none.
  const ddb_Model& ConstGetModel(const cow_String& name) const { return models_.Get(name); }

  // What the results file at the absolute `path` holds: adds (or replaces) a
  // model of the same name.
  static void AddResultsModel(const cow_String& path, const ddb_Model& model);
  // Forgets every registered results file.
  static void ClearResults();

 private:
  friend class ddr_Root;
  ddb_DdbContainer(cow_String path, cow_Map<cow_String, ddb_Model> models)
      : path_(std::move(path)), models_(std::move(models)) {}

  cow_String path_;
  cow_Map<cow_String, ddb_Model> models_;
};
