// The labels a deck uses where it names single nodes of meshes one by one
// (the ends of assembly wires and of MPC wires, the nodes of wire-end sets,
// display-body points). Each is the label the node's "*Node" line carries
// (aif_Node's numbering), so that a reference names the node the node block
// defines in either layout. Writers make one per write and ask it for every
// node they name.
//
// A node is given as the kernel resolves a point: an instance (or the
// assembly's own mesh, ftr_kAssemblyId) and the node's label in its mesh,
// its user label when every node carries one, else its index + 1. A flat
// file whose instances' labels collide numbers each instance's nodes by
// index from the instance's offset: there the mesh label is turned back
// into the index first.
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>

#include "BasShared/cow_String.h"

class aif_ModelInfo;

class aif_NodeReferences {
 public:
  // `info` outlives the object.
  explicit aif_NodeReferences(const aif_ModelInfo& info);
  aif_NodeReferences(const aif_NodeReferences&) = delete;
  aif_NodeReferences& operator=(const aif_NodeReferences&) = delete;
  ~aif_NodeReferences();

  // The label the node block of feature `id` writes for the node carrying
  // `meshLabel`. A label past the mesh's highest names the feature's
  // reference point numbered after it (the first is highest + 1), and gives
  // the label of that point's own node line. None when the feature writes
  // no such node (no instance, a locked mesh, no node or point with that
  // label).
  std::optional<long long> Label(unsigned id, int meshLabel);
  // The same node as the assembly names it: in a part-based file the
  // instance's printable name, "." and the label ("P-1.3", "\"Inst.6\".14");
  // in a flat file the label alone. Empty when Label gives none.
  cow_String Text(unsigned id, int meshLabel);
  // Node line label `label` of feature `id` as the assembly names it, by
  // the same rule as Text (for labels that are final already, such as an
  // attachment point's node).
  cow_String Named(unsigned id, long long label) const;

 private:
  struct Mesh;
  Mesh& MeshOf(unsigned id);

  const aif_ModelInfo& info_;
  std::unordered_map<unsigned, std::unique_ptr<Mesh>> meshes_;
};
