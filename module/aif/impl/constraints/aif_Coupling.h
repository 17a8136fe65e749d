// "*Coupling": names a coupling constraint, its reference node and the
// surface it is coupled to. The constraint builder makes it from the model's
// couplings (the kernel regions name node and surface); the fastener builder
// gives a node label and a surface name, the assembled-fastener builder a
// node set name and a surface name. "*Kinematic" or "*Distributing" follows.
#pragma once

#include <cstdint>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kcoC_Constraint.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_Coupling : public akw_Keyword {
 public:
  // Kernel-region form. Each form keeps its own copy of `constraint` (a
  // kcoC_Coupling, tested when written); `info` (an aif_ModelInfo, tested
  // here) must outlive the keyword.
  aif_Coupling(cow_String name, const kcoC_Constraint& constraint, const akw_ModelInfo& info);
  // Node-label form: the reference node by its label, the surface by name.
  // A label of 0 names no node: the kernel regions are written instead.
  aif_Coupling(cow_String name, const kcoC_Constraint& constraint, const akw_ModelInfo& info,
               std::uint32_t refNodeLabel, cow_String surfaceName);
  // Node-set form: the reference node set and the surface by name
  // (instance-qualified names allowed).
  aif_Coupling(cow_String name, const kcoC_Constraint& constraint, const akw_ModelInfo& info,
               cow_String refNodeSetName, cow_String surfaceName);
  aif_Coupling(const aif_Coupling&) = default;

  akw_Keyword* Clone() const override { return new aif_Coupling(*this); }
  // "*Coupling, constraint name=NAME, ref node=NODE, surface=SURFACE" (", ref
  // node set=" in the node-set form), then ", influence radius=" unless the
  // radius is unset and ", orientation=" the coupling's datum system when it
  // has one. The names of the kernel-region form are the control point's
  // assembly-qualified name and its surface's set name. Throws aif_Exception
  // naming the coupling, before writing anything, when in that form the
  // region kernel no longer finds the control point or the surface (a
  // deleted region would be written with an empty or stale name); fails the
  // type test for a constraint that is not a coupling.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kcoC_Constraint> constraint_;
  cow_String refNodeSetName_;
  const aif_ModelInfo& info_;
  std::uint32_t refNodeLabel_ = 0;
  cow_String surfaceName_;
};
