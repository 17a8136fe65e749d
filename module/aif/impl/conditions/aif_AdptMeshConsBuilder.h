// Files the model's adaptive mesh constraints step by step: per analysis step
// the "ADAPTIVE MESH CONSTRAINTS" banner (only in a step that writes one), and
// per constraint written a comment and its "*Adaptive Mesh Constraint". A
// member of the input-file driver, built right before the integrated output
// sections.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "aif/impl/conditions/aif_AdptMeshConsOpStatus.h"
#include "aif/impl/core/aif_SectionHeader.h"

class aif_ModelInfo;
class kprC_AdptMeshCons;
class kprC_StepContainer;

class aif_AdptMeshConsBuilder : public akw_BuilderComponent {
 public:
  explicit aif_AdptMeshConsBuilder(akw_ModelInfo& modelInfo);
  aif_AdptMeshConsBuilder(const aif_AdptMeshConsBuilder&) = default;

  // Builds the op status, then walks the unsuppressed analysis steps and, in
  // each, the unsuppressed constraints in name order. A constraint created,
  // modified or removed in the step (1, 3, 4, 10, 11) is written; one carried
  // over (2, 9) only where the op status asks for ", op=NEW". A constraint
  // neither a displacement nor a velocity one, in a step where its status
  // would write it, throws aif_Exception "Unimplemented keyword for adaptive
  // mesh constraint, <name>"; removed or modified in some step, the op status
  // refuses it first with its own text.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_AdptMeshConsBuilder(*this); }

 private:
  void AddConstraint(const cow_String& name, const kprC_AdptMeshCons& constraint,
                     const cow_String& step);
  aif_ModelInfo& Info() const;

  aif_AdptMeshConsOpStatus opStatus_;
  aif_SectionHeader header_;
  cow_List<cow_String> names_;
};
