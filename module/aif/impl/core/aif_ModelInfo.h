// The context of one write. The host builds it from the job (or optimization
// process) being written and hands it to the driver, which passes it to every
// builder. It holds the model adapter and the root assembly, decides whether
// the file is written part-based (parts and an assembly) or flat, numbers node
// and element labels per instance, and hands out fresh labels for the whole
// write.
//
// Label numbering. A flat file numbers the instances one after the other
// when their labels collide, or keeps their labels (shifted by the offsets in
// TVN_AIF_NODEOFFSET and TVN_AIF_ELEMENTOFFSET) when they do not; fresh labels
// then start above the highest label written. A part-based file keeps every
// instance's labels (offset 0) and hands out fresh labels per instance above
// the highest label of the instance's mesh, reference points and attachment
// nodes. A name the numbering never saw has offset 0, and in a part-based file
// its fresh labels count from 1. Display meshes and reference points count as
// labels in use, so no label is written twice in a scope. A label that would
// pass the integer range stops the write with aif_Exception (at construction
// for the numbering, at the request for a fresh label).
#pragma once

#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "QivBasicUtils/omi_IntTable.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_OptimizationProcess.h"
#include "aif/impl/sections/aif_DistributionNames.h"

class aif_ModelInfo : public akw_ModelInfo {
 public:
  using LabelTableType = omi_IntTable<std::unique_ptr<aif_ElementFileRecord>>;
  using WireLabels = omi_IntTable<int>;

  // From a model job: fails the type test when the job's object is not an
  // ajbC_ModelJob. Throws aif_Exception for a label offset variable whose
  // value is out of range.
  explicit aif_ModelInfo(const aif_Job& job);
  // From an optimization process: always a flat file.
  explicit aif_ModelInfo(const aif_OptimizationProcess& process);
  aif_ModelInfo(const aif_ModelInfo&) = delete;
  aif_ModelInfo& operator=(const aif_ModelInfo&) = delete;
  ~aif_ModelInfo() override;

  // The root assembly "Assembly", or null when the model has none.
  virtual const asoK_Assembly* Assembly() const { return assembly_.Get(); }
  // The job, or null for an optimization process.
  virtual const akw_Job* Job() const { return job_.Get(); }
  virtual bool IsPartBased() const { return partBased_; }
  virtual int ElementOffset(const cow_String& instance) const;
  virtual int NodeOffset(const cow_String& instance) const;
  // A fresh node label: flat, the next of the file; part-based, the next of
  // the instance. Throws aif_Exception when no label is left below the
  // integer range (as do the two element calls below).
  virtual int NextNodeLabel(const cow_String& instance);
  virtual int NextElementLabel(const cow_String& instance);
  // Reserves `count` element labels and returns the last of them (the current
  // label when `count` is 0).
  virtual int ReserveElementLabels(const cow_String& instance, int count);
  // The name of the assembly's feature `id`; empty when there is none.
  virtual cow_String FeatureName(unsigned id) const;
  // The printable name of a datum coordinate system: its full name with "-"
  // between the owners' names, then "_" + text + "_" when the text is not
  // empty and the number is not 0.
  virtual cow_String DatumCsysName(const dtmC_DatumRef& datum, double number,
                                   const cow_String& text) const;
  virtual int AnalysisProduct() const;
  virtual int TotalNodeCount() const { return totalNodes_; }
  // Frees the attachment and vertex-surface caches and the label table.
  virtual void ReleaseAttachmentNodes();
  virtual bool NodeLabelsUsable() const { return partBased_ || !nodeConflict_; }
  virtual bool ElementLabelsUsable() const { return partBased_ || !elementConflict_; }
  // The attachment-node tables of feature `id`, asked of the kernel once and
  // kept until ReleaseAttachmentNodes; false (both out values null) when the
  // kernel has none. An instance's first table holds its attachment points,
  // its second its attachment lines, one node each; the assembly's
  // (ftr_kAssemblyId) first holds its attachment lines with both end nodes,
  // its second its single attachment nodes.
  virtual bool AttachmentNodeNumbers(unsigned id, const asoK_AttachmentTree*& first,
                                     const asoK_AttachmentTree*& second);
  // The vertex-surface name pairs of `surface` for feature `id`, asked of the
  // kernel once per id; false (null) when there are none.
  virtual bool VertexSurfaceName(unsigned id, const ftr_FeatureList& features,
                                 const cow_String& surface, const cow_Map<int, cow_String>*& pairs);
  // The records of elements written with a file; null in a part-based file,
  // when no numbering ran and after ReleaseAttachmentNodes.
  virtual LabelTableType* LabelTable() { return labelTable_.get(); }
  const LabelTableType* LabelTable() const { return labelTable_.get(); }
  virtual bool FeatureTheoryFlag(unsigned id) const;
  // The optimization process, or null for a job.
  virtual const akw_OptimizationProcess* OptimizationProcess() const { return process_.Get(); }

  // Returns the label numbering, the caches and the wire labels to their
  // state after construction, so that a second write of the same context
  // hands out the same labels as the first.
  void ResetForWrite();

  // Whether the keywords of `instance` go to its part's definition, once per
  // part: the file is part-based, the instance is lightweight and not of an
  // analytic rigid part (aif_IsLightweightInstance), and so is every other
  // active instance of the part whose mesh is written. A part with both
  // lightweight and ordinary instances has its mesh written in each
  // instance, so that every instance's mesh is defined exactly once in its
  // scope (the part and the instance).
  bool IsLightweightInstance(const asoF_PartInstance& instance) const;
  // The name of the model written; empty without one (the kernel's region
  // queries take it).
  cow_String ModelName() const { return ModelHandle().IsNull() ? cow_String() : Model().Name(); }

  // Whether the write restarts an earlier analysis (never for an
  // optimization process, which has no job).
  bool IsRestart() const { return job_.Get() && job_->IsRestart(); }
  const aif_Model& ModelAdapter() const;
  // Labels of the connector elements written for assembly wires and
  // attachment lines, by geometric-component index.
  cow_COW<WireLabels>& WireElementLabels() { return wireLabels_; }
  // The uses of discrete fields recorded by the builders during this write
  // (one record per field, owner and column types), for the discrete-fields
  // builder; empty at the start of every write.
  cow_List<akw_DiscreteField>& DiscreteFieldUses() { return discreteFields_; }
  const cow_List<akw_DiscreteField>& DiscreteFieldUses() const { return discreteFields_; }
  // The distribution names given out during this write; at the start of
  // every write holding only the reservations of the model's discrete-field
  // names, made on first use.
  aif_DistributionNames& DistributionNames();

 private:
  void Construct(const bas_NewModel& model, const cow_String& modelName,
                 const cow_String& optimizationText);
  bool DecidePartBasedOutput(const aif_Model& model);
  void HoldAssembly(const aif_Model& model);
  void NumberLabels();
  void FindMixedParts();
  void NumberLabelsFlat(const cow_List<unsigned>& ids);
  void NumberLabelsPerPart(const cow_List<unsigned>& ids);
  void SetOffsets(const cow_String& name, unsigned id, int nodeOffset, int elementOffset);
  // Moves the instance's counter (part-based) or the file's by `count` and
  // returns the new last label; aif_Exception, nothing moved, when it would
  // pass the integer range.
  int Advance(int* perInstance, long long& fileCounter, int count, const char* kind,
              const cow_String& instance);

  cow_COW<akw_Job> job_;
  cow_COW<asoK_Assembly> assembly_;
  cow_COW<akw_OptimizationProcess> process_;
  bool partBased_ = true;

  // Counted in 64 bits, so that a label past the integer range is seen and
  // refused rather than wrapped.
  long long nodeCounter_ = 0;
  long long elementCounter_ = 0;
  bool nodeConflict_ = false;
  bool elementConflict_ = false;
  int totalNodes_ = 0;
  std::unordered_map<std::string, int> nodeOffsets_;
  std::unordered_map<std::string, int> elementOffsets_;
  std::unordered_map<unsigned, int> attachmentBases_;
  std::unordered_map<std::string, int> nextNodeLabels_;
  std::unordered_map<std::string, int> nextElementLabels_;
  std::unique_ptr<LabelTableType> labelTable_;

  struct Attachments {
    asoK_AttachmentTree points;
    asoK_AttachmentTree lines;
  };
  std::unordered_map<unsigned, std::unique_ptr<Attachments>> attachments_;
  std::unordered_map<unsigned, std::unique_ptr<cow_Map<int, cow_String>>> vertexSurfaces_;
  cow_COW<WireLabels> wireLabels_;
  cow_List<akw_DiscreteField> discreteFields_;
  aif_DistributionNames distributionNames_;
  // Parts with lightweight and ordinary instances whose meshes are written.
  std::unordered_set<std::string> mixedParts_;
};
