// Files the materials section of the model definition: a "MATERIALS" banner,
// then per material (in name order) its "*Material", or its "*Gasket
// Behavior" when a gasket section names it and it holds a gasket behaviour;
// then the distributions of densities given by an analytical field. Densities
// given by a discrete field are recorded in the model info's discrete-field
// uses, for the discrete-fields builder. A member of the input-file driver.
//
// Field densities. A "*Density" never names a distribution the deck does not
// define. Every distribution name comes from the write's distribution-name
// registry (material_field for an analytical field, the field's name for a
// discrete one, with "-1", "-2" ... when another use holds the name). An
// analytical density is evaluated over the elements of every written
// instance whose sections use the material, the sections its composite
// layups generate included; a material no element uses defines no
// distribution and its "*Density" is left out (nothing refers to it), as is
// the density of a material whose mapped field fails to evaluate (a checking
// message says so). A density naming a field the model does not hold, or no
// field at all, stops the write with aif_Exception naming material and field,
// alike for analytical and discrete fields: the user asked for a density the
// deck cannot give, and a material silently without density changes the
// analysis. So does a discrete density field holding a table that names no
// instance: its rows would stand outside the parts with bare labels, which
// name no element there (part-based) or the wrong one (flat, offsets
// unknown); there is no instance to expand it by that is sure to be meant.
//
// Names. Two materials whose names differ only in letter case stop the write
// with aif_Exception naming both: the solver does not tell them apart, so one
// would replace the other, and renaming one would leave the sections naming
// it pointing at the other.
#pragma once

#include <vector>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class kmaC_Material;
class aif_ModelInfo;

class aif_MaterialBuilder : public akw_BuilderComponent {
 public:
  explicit aif_MaterialBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_MaterialBuilder(const aif_MaterialBuilder&) = default;

  // Files nothing for a model without materials. Throws aif_Exception, having
  // filed nothing, for the refusals above. A mapped density field that fails
  // to evaluate appends a warning to the host's checking messages and leaves
  // that material's density out; the other field densities are still
  // handled.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_MaterialBuilder(*this); }

 private:
  void CheckNames() const;
  void CheckDensityField(const cow_String& name, const kmaC_Material& material) const;
  // Whether a gasket section names `name` (exact comparison).
  bool UsedByGasketSection(const cow_String& name) const;
  // Records the use and returns the name of its distribution.
  cow_String RecordDiscreteDensity(const cow_String& field);
  // The distribution table and distribution of the analytical density of
  // `material` over the elements whose sections use it, appended to
  // `keywords`: one data table per written instance holding the element
  // labels when they are usable (else the element index + 1) and density x
  // field value. Returns the distribution's name, or empty, appending
  // nothing, when no element uses the material or its mapped field fails.
  cow_String FileAnalyticalDensity(const cow_String& name, const kmaC_Material& material,
                                   std::vector<akw_KeywordHandle>& keywords);
};
