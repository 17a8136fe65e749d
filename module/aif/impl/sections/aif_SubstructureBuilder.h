// Files "*Substructure Property" for each substructure instance active for
// simulation, in that instance's definition; only in a flat file (a
// part-based file places its instances itself). A member of the input-file
// driver.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_SubstructureBuilder : public akw_BuilderComponent {
 public:
  explicit aif_SubstructureBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_SubstructureBuilder(const aif_SubstructureBuilder&) = default;

  // Nothing in a part-based file or for a model without an assembly.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_SubstructureBuilder(*this); }
};
