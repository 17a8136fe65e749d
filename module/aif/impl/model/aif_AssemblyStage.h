// The assembly's own definitions, which the instance builder files after the
// instances, in this order: the nodes of the assembly's reference points;
// its attachment nodes (those of discrete fasteners behind a tag comment for
// the host); its mesh; and for each section assignment of its wires either
// the connector elements with their "*Connector Section" (the section's
// "*Connector Behavior" block filed once per section name, in the model
// definition) or the "*MPC" of an MPC section.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class akw_BuilderComponent;

class aif_AssemblyStage {
 public:
  // One raw node per reference point of the assembly (feature 1000), labels
  // shifted by the assembly's node offset; a point on a node the assembly
  // already has (its user label exists) gets none.
  static akw_KeywordList ReferenceNodes(const aif_ModelInfo& info);
  // The assembly's attachment nodes: the end nodes of its attachment lines
  // (A) and its single attachment nodes (B), each label once. B stands
  // behind the comment "@DODOVE, object=discrete fastener"; A goes before it
  // when B's first label is the higher, after B otherwise.
  static akw_KeywordList AttachmentNodes(aif_ModelInfo& info);
  // The assembly's mesh, then per section assignment of the assembly (a
  // suppressed one, or one whose section the model lacks, passed over):
  // connector sections give an aif_AssemblyElement and an
  // aif_NewConnectorSection, their behaviour block is filed through
  // `builder` for the first assignment of the section, and `uses` counts the
  // assignments per section name; MPC sections give an aif_MPC of the
  // region. Other sections add nothing.
  static akw_KeywordList MeshAndConnectors(akw_BuilderComponent& builder, aif_ModelInfo& info,
                                           cow_Btree<cow_String, int>& uses);
};
