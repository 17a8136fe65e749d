// Writes what the model assigns to the elements of each part: for every group
// of elements that share a section assignment, element controls and beam,
// material and rebar orientation, its comment, its element set, its
// orientations and its section keyword; once for the model, the
// "*Section Controls" that non-default element controls need. The driver
// builds it sixth. Keywords of a lightweight instance of a part-based file go
// to the part (once per part), all others to the instance. It is a short
// walk: the steps are the aif_*Step classes beside it, which share an
// aif_PartAttributesState and receive each instance's aif_InstanceScope.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/mgt_Thickness.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesState.h"

class aif_PartAttributesFiler;
class asoF_PartInstance;
class rgnC_Region;

class aif_PartAttributesBuilder : public akw_BuilderComponent {
 public:
  explicit aif_PartAttributesBuilder(akw_ModelInfo& modelInfo);
  aif_PartAttributesBuilder(const aif_PartAttributesBuilder&) = default;

  // Throws the type test's nex_TextException when an attribute or a section
  // is not of the class its kind says, aif_Exception when a beam section
  // names a profile the model lacks, and aif_Exception from the set keywords.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_PartAttributesBuilder(*this); }
  // The most heap bytes the per-element tables (the element table and its
  // groups) held at once in the last Build: none for a model whose parts
  // have no section assignment and no composite layup.
  std::size_t TablePeakBytes() const { return state_.tablePeakBytes; }

  // The beam step: a comment naming the section and its profiles, then
  // "*Beam General Section" (integration 0) or "*Beam Section" followed by
  // "*Transverse Shear". The first beam direction is (0, 0, -1) unless
  // `beamOrientation` (an index into the part's beam orientations, -1 for
  // none) gives one; a flat file turns it by the instance's placement.
  void AddBeamSection(const asoF_PartInstance& instance, const cow_String& sectionName,
                      const cow_String& setName, const kseC_Section& section, int beamOrientation,
                      bool partLevel);
  // The Eulerian step: "*Eulerian Section" and "*Hourglass Stiffness", then
  // one surface per material instance of the section, in name order (flat:
  // "Instance_m", dots made "_").
  void AddEulerianSection(const asoF_PartInstance& instance, const cow_String& setName,
                          const kseC_Section& section, const cow_String& controls,
                          const cow_String& stackDirection, const bme_ElemCtrlParams& params,
                          bool partLevel);
  // The second solid kind (a truss): "*Solid Section" with the controls
  // name only.
  void AddSolidSection(const asoF_PartInstance& instance, const cow_String& setName,
                       const kseC_Section& section, const cow_String& controls);

  // The thickness of the shell or membrane regions `regions` of `instance`
  // from the analytical field `fieldName` evaluated at their elements
  // (`location` 1: "*Distribution Table" in the model, once per record, and
  // "*Distribution") or nodes (0: "*Nodal Thickness"), in the part for a
  // lightweight instance of a part-based file, else in the instance. One
  // column of `columnType`. A node or element of two regions keeps the value
  // of the first. Returns the field's name, or it with "-1", "-2" ... when a
  // recorded field has it. Returns empty, having filed nothing, and adds a
  // checking message naming the field, when the model has no such
  // analytical field, when it is of a kind that cannot be evaluated, or when
  // its mapping fails.
  cow_String AddThicknessFieldDistribution(const asoF_PartInstance& instance,
                                           const cow_String& fieldName,
                                           const cow_List<rgnC_Region>& regions, int location,
                                           const cow_String& columnType);
  // Distributions taken from the geometry of the shell regions `regions` of
  // `instance`, as the mesh services computed them into `data`: kind 0 a
  // "*Nodal Thickness" (one row per node), kind 1 an element offset, a
  // "*Distribution Table" in the model (once per record) and a
  // "*Distribution" (one row per element whose offset exceeds 1e-6 in
  // magnitude; every element with MVX_DEBUG_DISTRIBUTION set). A node or
  // element in two regions keeps the value of the first. Both go to the
  // part for a lightweight instance of a part-based file, else to the
  // instance. Returns the name, "Thickness_" or "Offset_", the part name, "_"
  // and `number`.
  cow_String AddThicknessFromGeometry(const asoF_PartInstance& instance,
                                      const cow_List<rgnC_Region>& regions, int kind, int number,
                                      const mgt_ThicknessDataEvaluator& data);
  cow_String AddNodalThicknessFromGeometry(const asoF_PartInstance& instance,
                                           const cow_List<rgnC_Region>& regions,
                                           const mgt_ThicknessDataEvaluator& data);
  cow_String AddOffsetFromGeometry(const asoF_PartInstance& instance,
                                   const cow_List<rgnC_Region>& regions,
                                   const mgt_ThicknessDataEvaluator& data);
  // "*Nodal Thickness" of the nodes of `regions` of `instance` (each node
  // once, the first region's row standing) from the discrete field
  // `fieldName`: a node's value in the field's table of the instance (else
  // its unnamed table), else the field's default; rows in label order, in
  // the part for a lightweight instance of a part-based file, else in the
  // instance. Returns the name (the field's; flat: the instance's name, "_"
  // and it; "-1", "-2" ... when a recorded field has it), or empty, filing
  // nothing, when the model holds no discrete field of the name.
  cow_String AddNodalThicknessFromDiscreteField(const asoF_PartInstance& instance,
                                                const cow_List<rgnC_Region>& regions,
                                                const cow_String& fieldName);
  // The discrete orientation `orientation` (named `name`, "Ori-n") over the
  // elements of `regions` of `instance`, as the kernel evaluates its two
  // local directions at the element centroids: a "*Distribution Table" of
  // two "coord3D" columns in the model (once per record) and a
  // "*Distribution" with one row per element (each once, however many
  // regions hold it) of the 1- and 2-direction, in the part for a
  // lightweight instance of a part-based file, else in the instance (flat:
  // turned into the assembly frame). Returns `name` + "-DiscOrient", or it
  // with "-1", "-2" ... when a recorded field has it. Returns empty, having
  // filed nothing, when a region has no centroids or no element ids for the
  // instance, or when the evaluation fails.
  cow_String AddDiscreteOrientationDistribution(const ptoC_MaterialOrientation& orientation,
                                                const cow_String& name,
                                                const cow_List<rgnC_Region>& regions,
                                                const asoF_PartInstance& instance);

 private:
  class Filing;

  // The instance's part is written already (a lightweight instance of a
  // part written before): the instance takes its layup data and becomes a
  // user of the part's discrete-field records.
  void SharePart(const aif_InstanceScope& scope);
  // The steps of one instance, in order: reset, assignments, element
  // controls, beam, material and rebar orientations, layups, groups.
  void RunSteps(const aif_InstanceScope& scope, aif_PartAttributesFiler& filer);
  // The scope of `instance` for a public step.
  aif_InstanceScope Scope(const asoF_PartInstance& instance) const;

  // The data the steps share: per write and per instance.
  aif_PartAttributesState state_;
};
