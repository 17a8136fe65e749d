// Files, for every part instance active for simulation, the instance's
// definition: its banner, "*Instance" (part-based) or the local "*System"
// (flat), the import of an initial state, and the instance's mesh, reference
// points and attachment nodes. A flat file then returns to the global system
// in the assembly definition, and the assembly's own nodes, connectors and
// multi-point constraints follow (aif_AssemblyStage).
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class kpfC_InitialState;

class aif_InstanceBuilder : public akw_BuilderComponent {
 public:
  explicit aif_InstanceBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_InstanceBuilder(const aif_InstanceBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_InstanceBuilder(*this); }

  // Connector-section name to the number of assembly-level section
  // assignments using it (handed to the fastener builder).
  const cow_Btree<cow_String, int>& ConnectorSectionUses() const { return connectorUses_; }

 private:
  // The first active initial-state field, in key order, that names `instance`.
  const kpfC_InitialState* InitialStateOf(const cow_String& instance) const;

  cow_List<cow_String> initialStateInstances_;
  cow_Btree<cow_String, int> connectorUses_;
};
