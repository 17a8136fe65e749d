// "*MPC": multi-point constraints, in two forms.
//
// Constraint form (a kcoC_MPC of the model, filed by the constraint builder):
//   "*MPC[, user, mode=dof|node]", then "TYPE, slave, control point" with the
//   type's name (or the user type number) and the two regions named from the
//   assembly.
// Connector form (the wires of a discrete fastener whose connector section is
//   an MPC section, filed by the instance builder): a first block with one
//   line "TYPE, node, node" per wire of the region, and a second block,
//   after the comment "@DODOVE, object=discrete fastener, connector section=
//   NAME", with one line "TYPE, end-2 node, end-1 node" per attachment line
//   the assembly's attachment records hold. Each block is written only when
//   it has a line: a wire with an end that resolves to no node, and an
//   attachment line without a record, write nothing and are reported as a
//   warning to the progress object. An invalid region writes nothing.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbCoreGeom/rgnC_Region.h"

class aif_ModelInfo;
class aif_NodeReferences;

class aif_MPC : public akw_Keyword {
 public:
  // Constraint form. `info` is an aif_ModelInfo that outlives the keyword
  // (in both forms).
  aif_MPC(cow_String name, const kcoC_Constraint& constraint, akw_ModelInfo* info);
  // Connector form: `section` holds a kseC_MPCSection; `region` is the
  // assembly region of its wires and attachment lines.
  aif_MPC(cow_String name, const cow_COW<kseC_Section>& section, rgnC_Region region,
          akw_ModelInfo* info);
  aif_MPC(const aif_MPC&) = default;

  akw_Keyword* Clone() const override { return new aif_MPC(*this); }
  // Fails the type test for a constraint that is not a kcoC_MPC, or a
  // section that is not a kseC_MPCSection, before writing anything.
  void Write(utl_Stream& stream) const override;

  // Writes the connector form's keyword line and returns the type text of its
  // data lines: the user type in decimal for a user-defined section, the
  // type's name otherwise (empty for an unknown type).
  cow_String WriteHeader(utl_Stream& stream) const;
  // Writes the node `dot` stands for, as `nodes` names it: "Instance.label"
  // in a part-based file, the label of the node's "*Node" line in a flat
  // file. Writes nothing, and returns false, for a dot that resolves to no
  // node the deck writes.
  bool WriteDotNode(utl_Stream& stream, const rgnC_Dot& dot, aif_NodeReferences& nodes) const;

 private:
  void WriteConstraintForm(utl_Stream& stream) const;
  void WriteConnectorForm(utl_Stream& stream) const;
  aif_ModelInfo& Info() const;

  cow_String name_;
  cow_ArrayCOW<kcoC_Constraint> constraint_;
  cow_ArrayCOW<kseC_Section> section_;
  rgnC_Region region_;
  akw_ModelInfo* info_;
};
