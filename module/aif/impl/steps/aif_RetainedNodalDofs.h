// "*Retained Nodal Dofs": the node sets and degrees of freedom a substructure
// generation step retains, given in the model as retained-DOF boundary
// conditions. The boundary-condition builder makes one per step, adds every
// boundary condition of the step and files it when it holds an entry.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_RetainedNodalDofs : public akw_Keyword {
 public:
  // `step`: the step whose boundary-condition states are read. `number` and
  // `secondName` are kept with the keyword and not written.
  aif_RetainedNodalDofs(const cow_String& step, int number, const cow_String& secondName)
      : step_(step), secondName_(secondName), number_(number) {}
  aif_RetainedNodalDofs(const aif_RetainedNodalDofs&) = default;

  akw_Keyword* Clone() const override { return new aif_RetainedNodalDofs(*this); }

  // Adds the degrees of freedom that `bc` retains in the step under `entry`
  // (the name of its node set): only a retained-DOF boundary condition
  // counts, others are ignored. A name already added keeps its place and
  // gains the new degrees of freedom, so that two conditions on one set
  // retain what both name. Fails the type test when the condition's state
  // in the step is not a retained-DOF state.
  void AddBoundaryCondition(const kbcC_BC& bc, const cow_String& entry);
  // The number of entry names added.
  int NumEntries() const { return static_cast<int>(names_.Length()); }

  // Nothing without an entry. Otherwise "*Retained Nodal Dofs", then for each
  // entry in the order added one line "name, first, last" per run of
  // consecutive degrees of freedom; an entry that retains none writes no line.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String step_;
  cow_String secondName_;
  int number_;
  cow_List<cow_String> names_;
  // Per entry name, bit k set when degree of freedom k (1 to 6) is retained.
  cow_Map<cow_String, unsigned> dofs_;
};
