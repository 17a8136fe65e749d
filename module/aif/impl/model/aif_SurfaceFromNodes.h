// "*Surface, type=NODE": a node-based surface. Made from node labels per
// instance (the surface of uncovered tie nodes), written with a companion
// "*Nset" of the same name that the surface lists, or from the name of a node
// set that stands for it (the contact node sets of interactions), listed with
// the weight 1.
#pragma once

#include "BasShared/cow_String.h"
#include "aif/impl/model/aif_Nset.h"

class aif_SurfaceFromNodes : public aif_Nset {
 public:
  // The nodes `nodes` per instance id. When node labels are usable the lists
  // hold node indices, turned into labels with each instance's mesh; else
  // they are kept (the instance's offset numbers them). `instanceOption`:
  // the companion set's blocks carry ", instance=" in a part-based file.
  aif_SurfaceFromNodes(const cow_String& name, const LabelsById& nodes, bool instanceOption,
                       aif_ModelInfo& info);
  // The surface standing for the node set `nodeSet`.
  aif_SurfaceFromNodes(const cow_String& name, const cow_String& nodeSet, aif_ModelInfo& info);

  aif_SurfaceFromNodes* Clone() const override { return new aif_SurfaceFromNodes(*this); }
  // The companion "*Nset" when there are nodes, then "*Surface, type=NODE,
  // name=" (", internal" for an internal name in a part-based file) and
  // either the surface's own name (the companion set) or, without nodes, a
  // line "NAME, 1." per node-set name. Registers the surface name. A name
  // that cannot be written throws aif_Exception before anything is written.
  void Write(utl_Stream& stream) const override;
  // True unless some instance has a node: a surface made from a node-set
  // name alone reports itself empty.
  bool IsEmpty() const override;
  // `keyword` and its line break, then "NAME, 1." per node-set name.
  void WriteStringMembers(utl_Stream& stream, const cow_String& keyword) const override;
  // "*Nset, nset=NAME" blocks of the nodes per instance; nothing without.
  virtual void WriteCompanionNset(utl_Stream& stream) const;

 protected:
  aif_SurfaceFromNodes(const aif_SurfaceFromNodes&) = default;

 private:
  bool instanceOption_;
};
