// Files the model's boundary conditions step by step and load case by load
// case: per step the "BOUNDARY CONDITIONS" banner (never inside a load case),
// per condition written a comment and its "*Boundary" or "*Connector
// Motion"; the "_PP_" node sets of pore-pressure conditions; the boundaries
// of bolt loads that adjust or fix a bolt's length; "*Retained Nodal Dofs"
// per step; the lone "*Boundary, op=NEW" of a load case that applies no
// condition; the driven submodel boundaries grouped per step and the
// "*Submodel" keywords of the submodel conditions. A member of the
// input-file driver, built after the materials and right before the adaptive
// mesh constraints.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "aif/impl/conditions/aif_BCOpStatus.h"
#include "aif/impl/conditions/aif_SubmodelBoundaryGroups.h"
#include "aif/impl/core/aif_SectionHeader.h"

class aif_ModelInfo;
class kbcC_BC;
class kloC_Load;
class kprC_Step;

class aif_BoundaryConditionBuilder : public akw_BuilderComponent {
 public:
  explicit aif_BoundaryConditionBuilder(akw_ModelInfo& modelInfo);
  aif_BoundaryConditionBuilder(const aif_BoundaryConditionBuilder&) = default;

  // Builds the op status (marked in the steps a restart resumes with and in
  // buckling steps), then walks the unsuppressed steps, the initial step
  // first: the conditions of each step, then in analysis steps the bolt-load
  // boundaries and the load cases' lone "*Boundary, op=NEW"; last the
  // submodel groups and "*Submodel" keywords. A condition of a kind no
  // keyword writes, where it would be written, throws aif_Exception
  // "Unimplemented keyword for boundary condition <name>".
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_BoundaryConditionBuilder(*this); }

 private:
  void BuildOpStatus();
  // The conditions of `stepName` (into its load cases where it has any) and
  // its "*Retained Nodal Dofs".
  void AddStepConditions(const cow_String& stepName);
  void AddRetainedDofs(const cow_String& stepName);
  // One condition in `step` and `loadCase` (empty: the step's own list),
  // its values multiplied by `scale`.
  void AddCondition(const cow_String& name, const kbcC_BC& condition, const cow_String& step,
                    const cow_String& loadCase, double scale);
  // The comment and "*Boundary" of the kinds aif_Boundary writes.
  void AddBoundary(const cow_String& name, const kbcC_BC& condition, const cow_String& step,
                   const cow_String& loadCase, double scale, bool keepOp, const cow_String& setName,
                   const akw_Keyword& comment);
  // The "_PP_" node set of a pore-pressure condition's region, defined once
  // per build; empty when the region is not valid (nothing names the set
  // then).
  cow_String PorePressureSet(const kbcC_BC& condition);
  // The bolt-load boundaries of `stepName`; returns the load cases written
  // into (the empty name: the step itself).
  cow_List<cow_String> AddBoltLoads(const cow_String& stepName, const kprC_Step& step);
  // Whether a bolt-load boundary was written.
  bool AddBoltLoad(const cow_String& name, const kloC_Load& load, const cow_String& step,
                   const cow_String& loadCase, double scale);
  // The lone "*Boundary, op=NEW" of each load case that applies no
  // condition, takes none over and wrote no bolt-load boundary.
  void AddLoadCaseResets(const cow_String& stepName, const kprC_Step& step,
                         const cow_List<cow_String>& boltCases);
  void AddSubmodels();
  aif_ModelInfo& Info() const;

  // The "_PP_" sets defined in this build, by their assembly-level names.
  cow_List<cow_String> poreSets_;
  aif_SubmodelBoundaryGroups submodelGroups_;
  aif_SectionHeader header_;
  aif_BCOpStatus opStatus_;
};
