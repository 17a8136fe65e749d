// Files the materials section of the model definition: a "MATERIALS" banner,
// then per material (in name order) its "*Material", or its "*Gasket
// Behavior" when a gasket section names it and it holds a gasket behaviour;
// then the distributions of densities given by an analytical field. Densities
// given by a discrete field are recorded in the model info's discrete-field
// uses, for the discrete-fields builder. A member of the input-file driver.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_String.h"

class kmaC_Material;
class aif_ModelInfo;

class aif_MaterialBuilder : public akw_BuilderComponent {
 public:
  explicit aif_MaterialBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_MaterialBuilder(const aif_MaterialBuilder&) = default;

  // Files nothing for a model without materials. Throws aif_Exception naming
  // material and field when a density names an analytical field the model
  // lacks. A mapped density field that fails to evaluate appends a warning
  // to the host's checking messages and files no distribution for that
  // material; the other field densities are still handled.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_MaterialBuilder(*this); }

 private:
  // Whether a gasket section names `name` (exact comparison).
  bool UsedByGasketSection(const cow_String& name) const;
  void RecordDiscreteDensity(const cow_String& field);
  // Files the distribution table and distribution of the analytical density
  // of `material` over the elements whose sections use it: one data table per
  // active meshed instance, holding the element labels when they are usable
  // (else the element index + 1) and density x field value. Files nothing
  // when no element uses the material or its mapped field fails.
  void FileAnalyticalDensity(const cow_String& name, const kmaC_Material& material);
};
