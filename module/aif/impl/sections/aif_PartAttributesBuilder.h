// Writes what the model assigns to the elements of each part: for every group
// of elements that share a section assignment, element controls and beam,
// material and rebar orientation, its comment, its element set, its
// orientations and its section keyword; once for the model, the
// "*Section Controls" that non-default element controls need. The driver
// builds it sixth. Keywords of a lightweight instance of a part-based file go
// to the part (once per part), all others to the instance.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/mgt_Thickness.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "OdbCoreGeom/bme_Property.h"
#include "QivBasicUtils/omi_UintTable.h"

class aif_ModelInfo;
class asoF_PartInstance;
class kfdC_DiscreteField;

class aif_PartAttributesBuilder : public akw_BuilderComponent {
 public:
  explicit aif_PartAttributesBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_PartAttributesBuilder(const aif_PartAttributesBuilder&) = default;

  // Throws the type test's nex_TextException when an attribute or a section
  // is not of the class its kind says, cow_OutOfRange when a beam section
  // names a profile the model lacks, and aif_Exception from the set keywords.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_PartAttributesBuilder(*this); }

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
  // What the section step needs of one group.
  struct Group {
    cow_String sectionName;
    cow_String setName;
    int beamOrientation = -1;
    int materialOrientation = -1;
    cow_String orientationName;
    cow_String rebarOrientationName;
    cow_String controls;
    bme_ElemCtrlParams params;
    double offsetValue = 0.0;
    cow_String offsetText;
    cow_String thicknessDistribution;
    bool nodalThickness = false;
  };

  aif_ModelInfo& Info() const;
  void File(const asoF_PartInstance& instance, bool partLevel, const akw_Keyword& keyword);
  void Reset(const asoF_PartInstance& instance);
  void ReadAssignments(const asoF_PartInstance& instance);
  void ReadOrientations(const asoF_PartInstance& instance, unsigned kind);
  void CollectControls(const asoF_PartInstance& instance);
  // The section assignments, sections and material orientations the part's
  // composite layups generate, appended behind the part's own, with the
  // elements they cover marked, their section points recorded, and their
  // thickness, offset, stack direction and discrete orientation prepared.
  void AddLayups(const asoF_PartInstance& instance);
  void GroupAndWrite(const asoF_PartInstance& instance);
  void WriteGroups(const asoF_PartInstance& instance, const bme_MapPropertyArray& groups);
  // `distribution`: the distribution a discrete orientation names.
  void AddOrientationOnce(const asoF_PartInstance& instance, bool partLevel,
                          const ptoC_MaterialOrientation& orientation, const cow_String& name,
                          const cow_String& distribution = cow_String());
  void AddSection(const asoF_PartInstance& instance, const Group& group);
  // The discrete fields a composite section's layers read: thickness fields
  // ("length") and angle fields ("angle").
  void RegisterLayerFields(const asoF_PartInstance& instance, const cow_List<kseC_Layer>& layers);
  void AddLayerOrientations(const asoF_PartInstance& instance, bool partLevel,
                            const cow_String& sectionName, const cow_List<kseC_Layer>& layers,
                            cow_String& prefix);
  void AddControls();
  // Records a use of discrete field `field` with column types `components`
  // by `instance`: one record per field, owner and column types, its use
  // count raised and the instance added to its users on each further use.
  void RegisterDiscreteField(const asoF_PartInstance& instance, const cow_String& field,
                             const cow_List<cow_String>& components);
  // The record of a distribution this builder makes for `instance`: owner
  // and users by the part-level rule (`partLevel`: the part, with `users`;
  // else the instance alone), one column of each of `components`.
  akw_DiscreteField DistributionRecord(const asoF_PartInstance& instance, bool partLevel,
                                       const cow_String& name, cow_List<cow_String> users,
                                       const cow_List<cow_String>& components) const;
  // Files the distribution of `field` for `record`: its "*Distribution
  // Table" in the model and the record in the model info unless an equal
  // record is there; "*Distribution" (or, with `nodal`, "*Nodal Thickness")
  // in the part (owner kind 0) or in every user instance.
  void FileDistribution(const kfdC_DiscreteField& field, const akw_DiscreteField& record,
                        bool nodal);
  // `base`, or `base` + "-" + n with the smallest n >= 1 that no recorded
  // discrete field is named.
  cow_String UniqueFieldName(const cow_String& base) const;
  // The element-control index of `params`: the first equal entry of the
  // table, else a new one.
  int ControlIndex(const bme_ElemCtrlParams& params);
  // The position of `label` in the property table, or null.
  const int* Position(int label) const;

  // Element controls of the whole write, by index (-1 the defaults when any
  // other is present).
  cow_Map<int, bme_ElemCtrlParams> controls_;
  int controlCount_ = 0;

  // Per instance.
  std::vector<bme_Property> properties_;
  omi_UintTable<int> labels_;           // label >= 0 -> position
  omi_UintTable<int> negativeLabels_;   // |label| of a negative label -> position
  omi_UintTable<int> assignmentSizes_;  // assignment index -> elements covered
  cow_List<cow_String> writtenOrientations_;
  // Per write: "part\nsurface" of the Eulerian material surfaces filed in a
  // part, so that two instances of one part do not define them twice.
  std::unordered_set<std::string> partSurfaces_;
  cow_List<cow_String> usedSections_;
  cow_Map<int, cow_String> stackDirections_;
  cow_Map<int, cow_String> distributionNames_;
  mdl_MapString2ObjCow<kseC_Section> sections_;
  cow_List<cow_COW<kern_Object>> assignments_;
  cow_List<cow_COW<kern_Object>> orientations_;
  int ownAssignments_ = 0;
  int ownOrientations_ = 0;
  // Per write: the number of the last distribution taken from the geometry.
  int geometryDistributions_ = 0;
};
