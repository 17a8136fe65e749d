// Files the part definitions of a part-based file: for every part an active
// instance refers to, the "*Part" line and, when the part's first active,
// unlocked instance is lightweight, the part's nodes, elements, reference
// nodes and attachment nodes. The driver writes the parts it names
// (PartsToWrite) and closes each with "*End Part".
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class aif_PartBuilder : public akw_BuilderComponent {
 public:
  explicit aif_PartBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_PartBuilder(const aif_PartBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_PartBuilder(*this); }

  // The parts handled, in the order of their first active instance.
  const cow_List<cow_String>& PartsToWrite() const { return handled_; }

 private:
  cow_List<cow_String> handled_;
};
