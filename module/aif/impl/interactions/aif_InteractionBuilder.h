// Files the model's contact initializations and interactions: the contact
// initializations into the model definition behind one "CONTACT
// INITIALIZATION DATA" banner (Standard and input-file jobs only), then each
// unsuppressed interaction by its kind, behind one "INTERACTIONS" banner per
// step and an "Interaction: " comment. A member of the input-file driver,
// built and written between the field builder and the output-request
// builder.
//
// Kinds built so far: the Explicit surface-to-surface (with its clearance)
// and self contact pairs, model changes and crack growth (enrichment
// activation). Interactions of every other kind are passed over and write
// nothing yet.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_String.h"
#include "aif/impl/core/aif_SectionHeader.h"

class aif_Comment;
class aif_ModelInfo;
class kinC_Interaction;

class aif_InteractionBuilder : public akw_BuilderComponent {
 public:
  explicit aif_InteractionBuilder(akw_ModelInfo& modelInfo);
  aif_InteractionBuilder(const aif_InteractionBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_InteractionBuilder(*this); }

  // The contact initializations, then the interactions in the repository's
  // key order. Type tests that fail are errors (nex_Exception).
  void Build() override;

 private:
  // "*Contact Initialization Data" per initialization, in key order, when
  // the analysis product is 0 (Standard) or 3 (input-file job).
  void WriteContactInitializations();
  // The routine of the interaction's kind, after its type test; nothing
  // for a kind without one.
  void WriteInteractionByType(const kinC_Interaction& interaction, const cow_String& name,
                              const aif_Comment& comment);

  void WriteSurfaceToSurfaceContactXpl(const kinC_Interaction& interaction, const cow_String& name,
                                       const aif_Comment& comment);
  void WriteSelfContactXpl(const kinC_Interaction& interaction, const cow_String& name,
                           const aif_Comment& comment);
  // The step walk shared by the two Explicit pairs; `clearance` for the
  // surface-to-surface pair.
  void WriteContactPairXpl(const kinC_Interaction& interaction, const cow_String& name,
                           const aif_Comment& comment, bool clearance);
  // "*Clearance" of a surface-to-surface pair in `step`, when it has one.
  void AddClearanceXpl(const kinC_Interaction& interaction, const cow_String& name,
                       const cow_String& step);
  void WriteModelChange(const kinC_Interaction& interaction, const cow_String& name,
                        const aif_Comment& comment);
  void WriteEnrichmentActivation(const kinC_Interaction& interaction, const cow_String& name,
                                 const aif_Comment& comment);

  // Files the step's "INTERACTIONS" banner (once per step) and `keyword`.
  void AddInteractionKeyword(const cow_String& step, const akw_Keyword& keyword);
  aif_ModelInfo& Info() const;

  aif_SectionHeader interactionsHeader;
  aif_SectionHeader propertiesHeader;
  aif_SectionHeader initializationHeader;
};
