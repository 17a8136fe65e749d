// Expands the model's assembled fasteners into ordinary keywords: each
// fastener copies the part instances, reference points, sets and sections of
// its template model once per fastener point, as extra parts and instances
// named prefix + "_" + template instance, and attaches the copies to the
// model's surfaces. Build does nothing; the driver runs the pre-pass
// BuildAssembledFasteners after the discrete-fields builder and before the
// fastener builder, and writes the extra parts and instances it names after
// the model's own. A fastener that cannot be placed is skipped; the reasons a
// user must hear of go to the checking messages, the write goes on.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/bas_NewModel.h"
#include "OdbCoreGeom/bme_Property.h"
#include "QivGeom/gsl_Matrix.h"
#include "QivGeom/gsl_Point.h"
#include "aif/impl/core/aif_RawKeyword.h"

class aif_ModelInfo;
class asoF_PartInstance;
class bme_ElemCtrlParams;
class bme_Mesh;
class dtu_Datum;
class ftr_PrimaryObject;
class kefC_AssembledFastener;
class kseC_BeamSection;
class kseC_Section;
class rgnC_Region;
struct rgnC_Dot;
class rgnK_Region;

class aif_AsmbldFastenerBuilder : public akw_BuilderComponent {
 public:
  explicit aif_AsmbldFastenerBuilder(akw_ModelInfo& modelInfo);
  aif_AsmbldFastenerBuilder(const aif_AsmbldFastenerBuilder& other);
  ~aif_AsmbldFastenerBuilder() override;

  akw_BuilderComponent* Clone() const override { return new aif_AsmbldFastenerBuilder(*this); }
  // Nothing: the work is done by BuildAssembledFasteners.
  void Build() override {}

  // The pre-pass: expands every assembled fastener of the model, in name
  // order, appending the generated part names to `extraPartNames` and the
  // generated instance names to `extraInstanceNames`; in a part-based file
  // each generated part and instance is closed by "*End Part" and
  // "*End Instance" after every other keyword of its name.
  void BuildAssembledFasteners(cow_List<cow_String>& extraPartNames,
                               cow_List<cow_String>& extraInstanceNames);

  // The connector sections whose behaviours other builders filed already
  // (given before the pre-pass), and those whose behaviours the pre-pass
  // filed (asked after it).
  void SetConnectorSections(const cow_Btree<cow_String, int>& filed) {
    for (const auto& entry : filed)
      filedElsewhere_.insert(entry.first.Str());
  }
  cow_List<cow_String> ConnectorSections() const {
    cow_List<cow_String> sections;
    for (const std::string& section : writtenBehaviors_)
      sections.Append(cow_String(section));
    return sections;
  }

  // The placements of the fastener `fastener`: finds the template assembly
  // and positioning point, checks the regions, and computes one placement
  // per fastener point. False, with nothing filed, when the fastener cannot
  // be placed; a deleted first surface and failed normals also leave a
  // message. `datum` receives the fastener's datum system (method 1).
  bool PrepareAttachment(const kefC_AssembledFastener& fastener, std::unique_ptr<dtu_Datum>& datum);

  // Appends one placement per point of `points` (a mesh region's nodes, or
  // the vertices and reference points of a geometric one) to the
  // placements. Mode 0 projects the points onto `surface` and turns the
  // template by the surface normal; mode 1 turns it by the axes of `datum`
  // (a datum coordinate system), mode 2 not at all; in both the template
  // point lands on the fastener point. Any other mode appends nothing and
  // succeeds. False when there are no points to place (a mesh region
  // without nodes, a reference point without a location), when the
  // projection gives nothing, or in mode 1 without a datum system.
  bool ComputeSurfaceNormals(const rgnK_Region& points, const gsl_Point& templatePoint,
                             const rgnK_Region& surface, int mode, const dtu_Datum* datum,
                             const ftr_PrimaryObject& assembly);

  // Copies the template's active part instances: one generated instance
  // (and, part-based, one generated part) N = prefix + instance name per
  // copied instance, holding the instance's mesh nodes and elements once per
  // placement (not for an instance carrying a template region) and its
  // reference points as consecutively labelled nodes. Appends the generated
  // names to both lists. False, with a message and nothing filed, when a
  // generated name is taken already (by the model or an earlier fastener).
  bool AddTemplateInstances(cow_List<cow_String>& extraPartNames,
                            cow_List<cow_String>& extraInstanceNames);

  // Where the copies of one generated instance took their labels: mesh node
  // index i of copy c is firstNode + c * meshNodes + i; the copies of a
  // reference point carry consecutive labels from the one recorded under its
  // template label; element i of copy c is elementOffset + c * meshElements
  // + i + 1.
  struct CopyLabels {
    int firstNode = 0;
    int meshNodes = 0;
    std::unordered_map<int, int> referenceNodes;
    int elementOffset = 0;
    int meshElements = 0;
    // Part-based: the next element label of the generated part.
    int nextElement = 1;
    // The assembly scope: its reference points' template labels in order.
    std::vector<int> assemblyPoints;
  };
  // The scope of the template assembly's own nodes and elements.
  static constexpr const char* kAssemblyScope = "ASSY";

  // The template assembly's reference points (consecutive labels per point)
  // and its node and element sets over the copies, as assembly definitions
  // (model definitions in a restart job). Always true.
  bool AddAssemblySetsAndRefPoints();
  // The point masses and rotary inertias of the template parts (under each
  // copied instance) and of the template assembly, once per placement:
  // "*Element" of MASS and ROTARYI elements under the feature's name
  // ("-MASS" and "-ROTI" when it has both), "*Mass", "*Rotary Inertia".
  // A template instance that was not copied contributes none. Always true.
  bool AddPointMassesAndInertias();
  // The template's ties, all-six-degree couplings without a local system,
  // and point adjustments whose surface is a template region of `fastener`,
  // written on the model surface that belongs to it; the other region named
  // after the copies, each copied region a "*Surface, type=NODE" once.
  // Always true.
  bool AddConstraints(const kefC_AssembledFastener& fastener);
  // The template assembly's wires with a connector section of the model
  // (prefix + section name), one connector element per wire and placement
  // (CONN3D2, CONN2D2 in a template assembly that is not three-dimensional)
  // under the element set prefix + region name, each end the copied node;
  // the connector section and, once per file, its behaviours. Each
  // connector's section names the orientations "<prefix>Orient-1-<n>" (and
  // "-2-" for a second system) of its n-th connector section, filed with
  // their distributions (one row per element whose axes differ from the
  // first's) before it: the axes of the connector's datum system, or the
  // global axes for a connector without one, turned by each placement. The
  // first connector of the write files the one "_TM_Dist_Table" as model
  // definition, which `distributionFiled` records. Always true; a datum
  // of the template that is no datum coordinate system throws aif_Exception
  // (the connector would turn silently otherwise).
  bool AddConnectors(bool& distributionFiled);
  // The names the constraints give a copied template region: its set as the
  // copies define it (part-based "P + instance.name", flat with "_"), and
  // the node-based surface over it (P + instance + "_" + name, "_CNS_" for a
  // node region).
  cow_String RegionReference(const rgnC_Region& region) const;
  cow_String ConstraintSurfaceName(const rgnC_Region& region) const;
  // The labels of generated instance `name`; null when it was not copied.
  const CopyLabels* Labels(const cow_String& name) const;

  // Makes the per-instance element tables ready for the mesh `mesh` of the
  // template instance about to be copied: one default property per element
  // (element i indexed under i), empty attribute lists, no used sections.
  void ResetTemplateTables(const bme_Mesh& mesh);

  // "*Solid Section" (a homogeneous solid section only) or
  // "*Cohesive Section" for `elementSet`, each followed by
  // "*Hourglass Stiffness" of `controls` for analysis product 0, filed under
  // `owner` as part definition (part-based) or instance definition (flat).
  // `sectionName` is not written.
  void AddSolidSectionKeywords(const cow_String& owner, const cow_String& sectionName,
                               const cow_String& elementSet, const kseC_Section& section,
                               const bme_ElemCtrlParams& controls);
  void AddCohesiveSectionKeywords(const cow_String& owner, const cow_String& sectionName,
                                  const cow_String& elementSet, const kseC_Section& section,
                                  const bme_ElemCtrlParams& controls);

  // The generated names, in order of first appearance, counted from 1.
  // AppendUniqueName gives the new name's position, or -1 (nothing
  // appended) for a name already there. NameAt throws cow_OutOfRange for a
  // position outside 1 to the count. IndexOfName gives the position of the
  // first equal name (bytewise), or -1.
  int AppendUniqueName(const cow_String& name);
  cow_String NameAt(int position) const;
  int IndexOfName(const cow_String& name) const;
  const cow_List<cow_String>& GeneratedNames() const { return generatedNames_; }

  // A template region's name as the copies carry it: empty for a region
  // without owners, prefix + `name` for a region of the template assembly,
  // prefix + instance + `separator` + `name` for a region of a template
  // instance (its second owner).
  cow_String TemplateQualifiedName(const cow_String& name, const rgnC_Region& region,
                                   const char* separator) const;

  // The name the file gives the copies of the template assembly's set
  // `setName` for a fastener of prefix `prefix`: prefix + "_" + the set's
  // name without enclosing quotes, every "." made "_", printable. Output
  // requests on an assembled fastener name their set by it.
  static cow_String AssemblySetName(const cow_String& prefix, const cow_String& setName);

  // The current fastener's state, for the steps and their tests.
  void SetPrefix(const cow_String& prefix) { prefix_ = prefix; }
  const cow_String& Prefix() const { return prefix_; }
  void SetFastenerName(const cow_String& name) { fastenerName_ = name; }
  const cow_List<gsl_Matrix>& Placements() const { return placements_; }
  const cow_List<bme_Property>& PropertyTable() const { return properties_; }
  const cow_Btree<int, int>& PropertyIndex() const { return propertyIndex_; }
  const cow_List<cow_String>& UsedSections() const { return usedSections_; }

 private:
  aif_ModelInfo& Info() const;
  // Files `keyword` under `owner`: part definition when part-based, else
  // instance definition.
  void AddOwnerDefinition(const cow_String& owner, const akw_Keyword& keyword);
  // `text` with every "." made "_": generated names never hold a dot, which
  // the solver would take for an instance separator.
  static std::string NoDots(const cow_String& text);
  void StartCounters();
  bool GeneratedNamesAreFree() const;
  // The part-level sets of the template part of `instance`, copied under
  // generated instance `name`, and its solid and cohesive sections.
  void AddPartSets(const cow_String& name, const asoF_PartInstance& instance,
                   const CopyLabels& labels);
  void AddSections(const cow_String& name, const asoF_PartInstance& instance,
                   const CopyLabels& labels);
  // "*Normal" of the copies once per generated part (from its part's beam
  // orientation), then the beam section of `elementSet`.
  void AddBeamSectionKeywords(const cow_String& name, const asoF_PartInstance& instance,
                              const CopyLabels& labels, const cow_String& elementSet,
                              const kseC_BeamSection& section, const cow_String& sectionName);
  // A set of generated instance `instanceName` as the file names it:
  // part-based its own name, flat instanceName + "_" + its name (one scope
  // for the whole file); printable.
  cow_String CopySetName(const cow_String& instanceName, const cow_String& setName) const;
  // The name a set keyword of the copies is filed under: CopySetName, or in
  // a part-based restart job "Assembly." + instance + "." + that name.
  cow_String FiledSetName(const cow_String& instanceName, const cow_String& setName) const;
  cow_List<int> CopiedLabels(int first, int perCopy, const cow_List<int>& indices) const;
  cow_List<int> CopiedNodeLabels(const CopyLabels& labels, const cow_List<int>& indices) const;
  cow_List<int> CopiedElementLabels(const CopyLabels& labels, const cow_List<int>& indices) const;
  void AddAssemblySetDefinition(const akw_Keyword& keyword);
  // A wire end in copy `copy` as an element line names it; empty for an end
  // without a copied node.
  std::string WireEnd(const rgnC_Dot& dot, int copy) const;
  // The index of the template region of `fastener` that `region` is, with a
  // model surface to stand for it; -1 otherwise.
  int TemplateRegionIndex(const kefC_AssembledFastener& fastener, const rgnC_Region& region) const;
  void CopiedAssemblyMembers(const rgnK_Region& region, bool nodes,
                             cow_Map<cow_String, cow_List<int>>& named, cow_List<int>& plain) const;
  void AddInertiaKeywords(const ftr_PrimaryObject& owner, const asoF_PartInstance* instance);
  aif_RawKeyword PointElements(const char* type, const cow_String& elementSet,
                               const cow_String& scope, const cow_List<int>& nodes);
  // A set keyword: under `owner`, or as model definition in a restart job.
  void AddSetDefinition(const cow_String& owner, const akw_Keyword& keyword);
  bool CollectFastenerPoints(const rgnK_Region& region, const ftr_PrimaryObject& assembly,
                             cow_List<gsl_Point>& points) const;
  void ExpandFastener(const cow_String& name, const kefC_AssembledFastener& fastener,
                      cow_List<cow_String>& extraPartNames,
                      cow_List<cow_String>& extraInstanceNames);

  // Across the whole write.
  bas_NewModel writtenModel_;
  int nodeCounter_ = 0;
  int elementCounter_ = 0;
  int nextNodeLabel_ = 0;
  int nextElementLabel_ = 0;
  cow_List<cow_String> generatedNames_;

  // Per fastener.
  cow_String fastenerName_;
  cow_String prefix_;
  cow_String sectionPrefix_;  // the prefix as given: the model's sections carry it
  cow_String templateModelName_;
  bas_NewModel templateModel_;
  cow_COW<asoK_Assembly> templateAssembly_;
  cow_List<gsl_Matrix> placements_;
  cow_Btree<cow_String, int> attachedInstances_;
  bool datumOriented_ = false;
  std::map<std::string, CopyLabels> copyLabels_;

  // Per template instance.
  cow_List<bme_Property> properties_;
  cow_Btree<int, int> propertyIndex_;
  std::unique_ptr<cow_List<cow_COW<kern_Object>>> sectionAssignments_;
  std::unique_ptr<cow_List<cow_COW<kern_Object>>> orientationAssignments_;
  int sectionAssignmentCount_ = 0;
  int orientationAssignmentCount_ = 0;
  cow_List<cow_String> usedSections_;
  std::set<std::string> writtenSets_;
  cow_List<cow_String> writtenBeamParts_;
  std::set<std::string> writtenBehaviors_;
  std::set<std::string> filedElsewhere_;
  bool distributionFiled_ = false;
};
