// Files the model's contact initializations and interactions: the contact
// initializations into the model definition behind one "CONTACT
// INITIALIZATION DATA" banner (Standard and input-file jobs only), then each
// unsuppressed interaction by its kind, behind one "INTERACTIONS" banner per
// step and an "Interaction: " comment. A member of the input-file driver,
// built and written between the field builder and the output-request
// builder.
//
// Kinds written by the per-interaction pass: the Standard and Explicit
// surface-to-surface (with their clearance) and self contact pairs,
// Standard general contact with its geometric smoothing, co-simulations of
// both kinds, model changes, crack growth (enrichment activation), radiation
// cavities, cyclic symmetry and elastic foundations. The step-dependent
// kinds and actuators/sensors have passes of their own; interactions of any
// other kind write nothing.
#pragma once

#include <optional>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kprC_Step.h"
#include "aif/impl/core/aif_SectionHeader.h"
#include "aif/impl/interactions/aif_Clearance.h"
#include "aif/impl/interactions/aif_GeometricCorrection.h"
#include "aif/impl/interactions/aif_InteractionOpStatus.h"
#include "aif/impl/interactions/aif_SmoothingSurfaces.h"

class aif_Comment;
class aif_ModelInfo;
class kinC_ContactPairState;
class kinC_ContactStd;
class kinC_FSICosimulation;
class kinC_Interaction;
class rgnC_Region;

// Whether jobs of the analysis product give an interaction whose property
// changes between steps a property of its own ("_<name>-Prop") and write
// generated property names: Standard (0) and input-file jobs (3).
bool aif_GeneratesPropertyNames(int product);

// The name of the property written for an interaction whose property
// changes between steps: "_", the name and "-Prop", as composed; keywords
// make it printable when they write it.
cow_String aif_ChangedPropertyName(const cow_String& interactionName);

// The interaction-property names of `interaction`, in the order of `steps`,
// of the steps in which its status is active and not built in and its
// state's property attribute is modified. Standard general contact has one
// property attribute per property assignment: a step counts when one of
// them is modified, and gives the values of the modified ones in
// assignment order (the creation step, which sets them all, gives the
// assignments' properties at their positions). Empty for an interaction
// whose states carry no property attribute (everything but the contact
// pairs and Standard general contact; Explicit general contact names its
// properties in every step it writes).
cow_List<cow_String> aif_ContactPropertyHistory(const kinC_Interaction& interaction,
                                                const cow_List<cow_String>& steps);

// Whether a contact pair's property changes after the step that creates it:
// some step of `steps` modifies the pair (status 3) and its state there has
// a modified property attribute. Where the product writes generated names,
// such a Standard pair is defined under "_<name>-Prop", a copy of the
// property of its creation step, and each of those steps changes its
// friction under that name; a pair for which this is false keeps its
// property's own name everywhere.
bool aif_ContactPairPropertyChanges(const kinC_Interaction& interaction,
                                    const cow_List<cow_String>& steps);

// The step of a partner model in which its fluid-structure co-simulation
// is created, and the energy-equation setting of that model's flow steps.
struct aif_FsiPartnerStep {
  cow_COW<kprC_Step> step;
  int energyEquation = 0;
};

class aif_InteractionBuilder : public akw_BuilderComponent {
 public:
  explicit aif_InteractionBuilder(akw_ModelInfo& modelInfo);
  aif_InteractionBuilder(const aif_InteractionBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_InteractionBuilder(*this); }

  // The contact initializations, then the interactions in the repository's
  // key order. Type tests that fail are errors (nex_Exception).
  void Build() override;

 private:
  // Every interaction property into the model definition behind the
  // "INTERACTION PROPERTIES" banner, the copies under generated names among
  // them; then the properties of incident waves (each once) and of
  // actuators/sensors (Standard only).
  void WriteInteractionProperties();
  // Adds to `properties` the copies under generated names that contact with
  // a property changing between steps names (products 0 and 3 only).
  // Throws aif_Exception when a generated name is a property's of the model
  // in any letter case, and, for a Standard pair that needs a copy, when it
  // has no state in its creation step or names what the model does not hold
  // (CreationState, CheckContactPairNames).
  void AddGeneratedProperties(mdl_MapString2ObjCow<kinC_InteractionProperty>& properties) const;
  // "*Surface Interaction" and the behaviour keywords of a contact property.
  void WriteContactProperty(const cow_String& name,
                            const cow_COW<kinC_InteractionProperty>& property);
  // "*Contact Initialization Data" per initialization, in key order, when
  // the analysis product is 0 (Standard) or 3 (input-file job).
  void WriteContactInitializations();
  // The routine of the interaction's kind, after its type test; nothing
  // for a kind without one.
  void WriteInteractionByType(const kinC_Interaction& interaction, const cow_String& name,
                              const aif_Comment& comment);

  void WriteSurfaceToSurfaceContactStd(const kinC_Interaction& interaction, const cow_String& name,
                                       const aif_Comment& comment);
  void WriteSelfContactStd(const kinC_Interaction& interaction, const cow_String& name,
                           const aif_Comment& comment);
  // The step walk shared by the two Standard pairs; `surfaceToSurface` for
  // the pair with a clearance and interference.
  void WriteContactPairStd(const kinC_Interaction& interaction, const cow_String& name,
                           const aif_Comment& comment, bool surfaceToSurface);
  // "*Clearance" of a surface-to-surface pair, or none when it has no
  // clearance: between `master` and `slave` (Standard) or, with `cpset` not
  // empty, for that contact pair set (Explicit).
  std::optional<aif_Clearance> ClearanceKeyword(const kinC_Interaction& interaction,
                                                const cow_String& master, const cow_String& slave,
                                                const cow_String& cpset) const;
  // The state of a Standard pair in the step that creates it, which its
  // "*Contact Pair" writes. Throws aif_Exception naming the interaction when
  // it holds none there.
  const kinC_ContactPairState& CreationState(const kinC_Interaction& interaction,
                                             const cow_String& name) const;
  // Throws aif_Exception naming the interaction and the missing name when
  // the pair's state in one of `steps` where it is active, or in
  // `creationStep` when that is not empty, names an interaction property or
  // contact controls the model does not hold. Empty names are not checked.
  void CheckContactPairNames(const kinC_Interaction& interaction, const cow_String& name,
                             const cow_List<cow_String>& steps,
                             const cow_String& creationStep) const;
  // "*Contact Controls" of a Standard pair in `step`, as its state there asks.
  void AddContactControlsStd(const kinC_Interaction& interaction, const cow_String& name,
                             const cow_String& step, bool created, const cow_String& master,
                             const cow_String& slave);

  void WriteSurfaceToSurfaceContactXpl(const kinC_Interaction& interaction, const cow_String& name,
                                       const aif_Comment& comment);
  void WriteSelfContactXpl(const kinC_Interaction& interaction, const cow_String& name,
                           const aif_Comment& comment);
  // The step walk shared by the two Explicit pairs; `clearance` for the
  // surface-to-surface pair.
  void WriteContactPairXpl(const kinC_Interaction& interaction, const cow_String& name,
                           const aif_Comment& comment, bool clearance);
  // Standard general contact: "*Contact" in the initial step when it is
  // created there, with the geometric corrections of its smoothing, and, when
  // its property assignments change, "*Change Friction" with the friction
  // block in the steps that change them.
  void WriteGeneralContactStd(const kinC_Interaction& interaction, const cow_String& name,
                              const aif_Comment& comment);
  // The friction changes of general contact step by step (comment and
  // keywords without a banner).
  void AddGeneralContactChanges(const kinC_ContactStd& contact, const cow_String& name,
                                const aif_Comment& comment, const cow_List<cow_String>& steps,
                                bool renames);
  // The smoothing pieces of general contact: of `hits` when given, else of
  // the faces of `region`; surfaces "_NAME_gcsK_1", "_NAME_gcsK_2", ... in the
  // assembly definition.
  cow_List<aif_SmoothingPiece> BuildSmoothingSurfaces(const cow_String& name,
                                                      const rgnC_Region& region, int k,
                                                      const gdy_CompositeHitSet* hits);
  // One geometric-correction record per smoothing piece of `region` (see
  // BuildSmoothingSurfaces), appended to `records`; false when there is none.
  bool CollectGeometricCorrections(const cow_String& name, const rgnC_Region& region,
                                   const cow_String& choice,
                                   cow_List<aif_GeometricCorrection>& records, int k);
  // The smoothing pieces of a pair's master (or slave) surface: surfaces
  // "_NAME_msm_1", ... ("_NAME_ssm_1", ...) in the assembly definition.
  cow_List<aif_SmoothingPiece> BuildPairSmoothingSurfaces(const cow_String& name,
                                                          const rgnC_Region& region, bool master);
  // "*Surface Smoothing" of a Standard surface-to-surface pair in the model
  // definition; returns its name for "geometric correction=", or an empty
  // text (and files nothing) when neither surface has a piece.
  cow_String WritePairSurfaceSmoothing(const cow_String& name, const rgnC_Region& master,
                                       const rgnC_Region& slave);
  // The finder of smoothing pieces over the model info; it files the
  // generated surfaces in the assembly definition.
  aif_SmoothingSurfaces Smoothing();

  void WriteModelChange(const kinC_Interaction& interaction, const cow_String& name,
                        const aif_Comment& comment);
  void WriteEnrichmentActivation(const kinC_Interaction& interaction, const cow_String& name,
                                 const aif_Comment& comment);

  // A Standard-Explicit co-simulation: in each analysis step that creates
  // it, its comment, "*Co-simulation", "*Co-simulation Region" and
  // "*Co-simulation Controls" (no banner), all named after the interaction.
  void WriteCosimulation(const kinC_Interaction& interaction, const cow_String& name,
                         const aif_Comment& comment);
  // A fluid-structure co-simulation: as WriteCosimulation, from a copy that
  // SetFsiCosimulationDefaults completed against the first partner step
  // found (none: the interaction's own values).
  void WriteFsiCosimulation(const kinC_Interaction& interaction, const cow_String& name,
                            const aif_Comment& comment);
  // The partner steps: for each unsuppressed fluid-structure co-simulation
  // of the other models the context names (in that order, each model's
  // interactions in key order) the step that creates it; one that no step
  // creates is passed over.
  cow_List<aif_FsiPartnerStep> FsiPartnerSteps() const;
  // Completes the coupling codes left unset (0) and the empty import and
  // export lists of `cosim` in `step` from the procedures of this model's
  // step and of `partner`'s; step size kind 5 forces subcycle. Throws
  // aif_Exception "Error -- Invalid cosimulation combination" (heat
  // transfer with a flow step that does not solve the energy equation) or
  // "Illegal Step Type" (a flow step with a procedure it cannot couple
  // with).
  void SetFsiCosimulationDefaults(kinC_FSICosimulation& cosim, const cow_String& step,
                                  const aif_FsiPartnerStep& partner) const;

  // A radiation cavity: "*Cavity Definition" in the initial step, then a
  // "*Radiation Viewfactor" in each analysis step that creates or modifies
  // it, switched off where it is deactivated or absent, and in the first
  // analysis step when it is carried over. Throws aif_Exception for a
  // status outside these.
  void WriteCavityRadiation(const kinC_Interaction& interaction, const cow_String& name,
                            const aif_Comment& comment);
  // A cyclic symmetry: "*Cyclic Symmetry Model" in the initial step, its
  // "*Tie" in the assembly, and "*Select Cyclic Symmetry Modes" in each
  // unsuppressed frequency step that carries it over or modifies it.
  void WriteCyclicSymmetry(const kinC_Interaction& interaction, const cow_String& name,
                           const aif_Comment& comment);
  // An elastic foundation: "*Foundation" in the initial step, when its
  // region is valid in the assembly; nothing otherwise.
  void WriteElasticFoundation(const kinC_Interaction& interaction, const cow_String& name,
                              const aif_Comment& comment);

  // Film and radiation conditions, Explicit general contact, acoustic
  // impedance, incident waves and pressure penetration, step by step, with
  // ", op=NEW" where opStatus restates their kind.
  void WriteStepInteractions();
  // The keyword of a step-dependent interaction in `step` behind the
  // step's banner and its "Interaction: " comment; `opFlag` false writes
  // ", op=NEW". An acoustic impedance reads the initial step's state when
  // `useInitialStep`.
  void WriteStepInteraction(const cow_String& name, const kinC_Interaction& interaction,
                            const cow_String& step, bool opFlag, bool useInitialStep);

  // Each actuator or sensor of a Standard analysis as a user element in the
  // part or instance holding its region, then its sets and element
  // (WriteActuatorSensorSets). Throws aif_Exception for a region without
  // nodes.
  void WriteActuatorSensors();
  // The "_AS_" node set and element set of each actuator or sensor in the
  // assembly, and its one-node element in its part or instance.
  void WriteActuatorSensorSets();
  // Files `keyword` where an actuator or sensor on `instanceId` is written:
  // the assembly for the assembly's own nodes, else the definition of
  // `part` when `partLevel`, else that of `instance`.
  void AddActuatorSensorDefinition(int instanceId, bool partLevel, const cow_String& part,
                                   const cow_String& instance, const akw_Keyword& keyword);

  // Files the step's "INTERACTIONS" banner (once per step) and `keyword`.
  void AddInteractionKeyword(const cow_String& step, const akw_Keyword& keyword);
  aif_ModelInfo& Info() const;

  aif_SectionHeader interactionsHeader;
  aif_SectionHeader propertiesHeader;
  aif_SectionHeader initializationHeader;
  aif_InteractionOpStatus opStatus;
};
