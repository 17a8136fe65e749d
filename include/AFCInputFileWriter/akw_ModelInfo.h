// Base of the per-write context: holds the model adapter every builder reads
// and the label offsets of the assembly's instances by instance id.
#pragma once

#include "AFCInputFileWriter/akw_Layup2SecPtMap.h"
#include "AFCInputFileWriter/akw_Model.h"
#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class akw_ModelInfo : public mem_AllocationOperators {
 public:
  virtual ~akw_ModelInfo() = default;

  // The model adapter; throws cow_OutOfRange while none is set.
  const akw_Model& Model() const { return *model_; }
  const cow_COW<akw_Model>& ModelHandle() const { return model_; }

  // Node and element label offsets of the instance with `instanceId`; 0 for
  // an instance that has none.
  int AssyNodeOffsetsID(int instanceId) const;
  int AssyElementOffsetsID(int instanceId) const;

  // Appended to a rigid instance's (or part's) name to name its
  // reference-point node set.
  static const cow_String& RefPtSuffix();

  // The layup section-point data of the write, headed by the element sets
  // that carry a section.
  akw_Layup2SecPtMap& LayupData() { return layupData_; }
  const akw_Layup2SecPtMap& LayupData() const { return layupData_; }

  // The names of the models of the session the written model may be
  // coupled with, the written model's own name among them, in the model
  // database's order; filled by the context when it is constructed.
  const cow_List<cow_String>& ModelNames() const { return modelNames_; }

  // The identifiers of the optimization parameter file written with this
  // context: each identifier to the kind (a type id) of the object that
  // used it first. The driver empties it at the start of every write.
  cow_Map<cow_String, unsigned>& KestIdentifiers() { return kestIdentifiers_; }

 protected:
  akw_ModelInfo() = default;
  explicit akw_ModelInfo(cow_COW<akw_Model> model) : model_(std::move(model)) {}

  void SetModel(cow_COW<akw_Model> model) { model_ = std::move(model); }
  void SetModelNames(cow_List<cow_String> names) { modelNames_ = std::move(names); }
  void SetAssyNodeOffset(int instanceId, int offset) { nodeOffsets_.Set(instanceId, offset); }
  void SetAssyElementOffset(int instanceId, int offset) { elementOffsets_.Set(instanceId, offset); }

 private:
  cow_COW<akw_Model> model_;
  cow_Map<int, int> nodeOffsets_;
  cow_Map<int, int> elementOffsets_;
  akw_Layup2SecPtMap layupData_;
  cow_List<cow_String> modelNames_;
  cow_Map<cow_String, unsigned> kestIdentifiers_;
};
