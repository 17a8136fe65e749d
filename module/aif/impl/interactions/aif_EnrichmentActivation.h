// "*Enrichment Activation": whether an enriched crack may grow in a step.
// The interaction builder makes one per crack growth interaction and step
// after the initial one.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class utl_Stream;

class aif_EnrichmentActivation : public akw_Keyword {
 public:
  // `interaction` (copied) is written with its state in `stepName`.
  aif_EnrichmentActivation(const kinC_XFEMCrackGrowth& interaction, const cow_String& stepName);
  aif_EnrichmentActivation(const aif_EnrichmentActivation&) = default;

  akw_Keyword* Clone() const override { return new aif_EnrichmentActivation(*this); }

  // The keyword line naming the crack, ", activate=ON" or ", activate=OFF";
  // no data line. Nothing for a step in which the interaction has no state.
  void Write(utl_Stream& stream) const override;

 private:
  kinC_XFEMCrackGrowth interaction_;
  cow_String stepName_;
};
