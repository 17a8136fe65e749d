// Writes one solver input file for the context it was made with. Each call of
// WriteInputFile makes the builder components afresh, lets them walk the model
// and file their keywords (the build phase), then writes their lists section
// by section (the write phase): job keywords, parts, assembly, assembly-level
// keywords, model definitions, and one block per step and load case.
//
// Failures: an existing file that may not be written, or a file that cannot
// be created, gives false and leaves the disk as it was. Any exception while
// building or writing removes the file and passes on (an allocation failure
// as nex_OutOfMemoryException); a write or close that fails (a full disk)
// removes the file and throws aif_Exception. A call that returns true has
// written the whole file.
#pragma once

#include <memory>
#include <vector>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class aif_Model;
class utl_Stream;

class aif_Builder {
 public:
  explicit aif_Builder(aif_ModelInfo& modelInfo);
  aif_Builder(const aif_Builder&) = delete;
  aif_Builder& operator=(const aif_Builder&) = delete;
  ~aif_Builder();

  bool WriteInputFile(const cow_String& path, bool jobKeywords, bool model);
  // The seconds the last WriteInputFile that returned true spent building
  // (the components walking the model) and writing (their keywords to the
  // file, its close included), on a steady clock.
  double LastBuildSeconds() const { return buildSeconds_; }
  double LastWriteSeconds() const { return writeSeconds_; }

  // The builder components, one per domain. Members of the driver in this
  // order; each has its place in the build order and the write order.
  enum Component {
    kAdptMeshCons,
    kDiscreteFields,
    kFilter,
    kInstance,
    kIntegratedOutputSection,
    kJobKeywords,
    kLoad,
    kMaterial,
    kModelAttributes,
    kOutputRequest,
    kPart,
    kPartAttributes,
    kRegion,
    kStep,
    kSubstructure,
    kTimePoints,
    kInertia,
    kSpring,
    kAmplitude,
    kBoundaryCondition,
    kInitialCondition,
    kField,
    kInteraction,
    kAdaptiveMesh,
    kFastener,
    kConstraint,
    kTransform,
    kCrack,
    kAsmbldFastener,
    kFinal,
    kComponentCount
  };

 private:
  using ComponentList = cow_List<cow_ArrayCOW<akw_BuilderComponent>>;

  void Build(bool jobKeywords, bool model);
  void Write(utl_Stream& out, bool jobKeywords, bool model);
  void WritePartsSection(utl_Stream& out, const ComponentList& components);
  void WriteAssemblySection(utl_Stream& out, const ComponentList& components);
  void WriteAssemblyKeywords(utl_Stream& out, const ComponentList& components);
  void WriteModelKeywords(utl_Stream& out, const ComponentList& components);
  void WriteHistory(utl_Stream& out, const ComponentList& components);
  static void WriteKeywordList(utl_Stream& out, const akw_KeywordList& keywords);
  akw_BuilderComponent* Member(Component component) const { return components_[component].get(); }

  aif_ModelInfo& modelInfo_;
  std::vector<std::unique_ptr<akw_BuilderComponent>> components_;
  bool partBased_;
  bool restart_;
  const aif_Model& model_;
  cow_List<cow_String> extraParts_;
  cow_List<cow_String> extraInstances_;
  int writes_ = 0;
  double buildSeconds_ = 0;
  double writeSeconds_ = 0;
};
