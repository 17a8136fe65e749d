// Files the model's loads: per analysis step (or load case) the "LOADS"
// banner, a comment and the load keyword of each load written there; once
// per bolt load its reference node, comment, element set and "*Pre-tension
// Section"; the "*Submodel" keywords of stress-based submodel loads. A member
// of the input-file driver, built after the integrated output sections and
// before the predefined fields.
#pragma once

#include <map>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "aif/impl/core/aif_SectionHeader.h"
#include "aif/impl/loads/aif_LoadOpStatus.h"

class aif_ModelInfo;
class kloC_BoltLoad;
class kloC_Load;
class kprC_Step;
class kprC_StepContainer;

// The end of the comment of a load or boundary condition filed into a load
// case: "   Scale factor: " and the factor in its shortest text ("0.5", "2").
cow_String aif_LoadCaseFactorText(double factor);

class aif_LoadBuilder : public akw_BuilderComponent {
 public:
  explicit aif_LoadBuilder(akw_ModelInfo& modelInfo);
  aif_LoadBuilder(const aif_LoadBuilder&) = default;

  // Finds the model's cyclic symmetry, files the pre-tension sections, then
  // the loads step by step, then the submodels. A load of a kind no load
  // keyword writes, in a step where it would be written, throws aif_Exception
  // "Unimplemented load type conversion"; a load whose kind the op status does
  // not know throws "Unimplemented load->OP status conversion". Loads whose
  // region reaches no instance (concentrated and bolt loads) are left out
  // without a message.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_LoadBuilder(*this); }

  // Whether a load of `status` in `step` is written there: created, modified
  // or removed always, carried over only when its kind restates in the step.
  // A bolt load is written only while it applies a force (method 0), or when
  // its method changes in the step; status 8 never.
  static bool IsWrittenInStep(const kloC_Load& load, const cow_String& step, int status,
                              const aif_LoadOpStatus& opStatus);

 private:
  // The first unsuppressed cyclic symmetry interaction of the model.
  void FindCyclicSymmetry();
  void AddPreTensionSections();
  void AddPreTensionSection(const cow_String& name, const kloC_BoltLoad& bolt);
  void AddStepLoads();
  // Writes `load` into `step`, or into each of the step's load cases that
  // names it.
  void AddLoad(const cow_String& name, const kloC_Load& load, const cow_String& stepName,
               const kprC_Step& step);
  // The comment and keyword of `load` in `step` and `loadCase` (empty: the
  // step's own list).
  void AddLoadKeyword(const cow_String& name, const kloC_Load& load, const cow_String& step,
                      const cow_String& loadCase, double scale, bool cyclic, int cyclicMode);

  // What one load written into one step or load case hands its keyword.
  struct Entry {
    const cow_String& name;
    const kloC_Load& load;
    const cow_String& step;
    const cow_String& loadCase;
    double scale;
    bool opFlag;
    bool cyclic;
    int cyclicMode;
    bool usesField;
    cow_String regionName;  // qualified from the assembly
  };
  // Files `comment` and then `keyword` for the step and load case of `e`.
  void AddCommented(const Entry& e, const akw_Keyword& comment, const akw_Keyword& keyword);
  // The keyword of each group of kinds; false for a kind of another group.
  // Each files the entry's comment and then its keyword(s).
  bool AddMechanicalKeyword(const Entry& entry, const akw_Keyword& comment);
  // "*Dsload" of a uniform surface load or a stress-based submodel.
  void AddSurfaceLoad(const Entry& entry, const akw_Keyword& comment);
  bool AddFluxKeyword(const Entry& entry, const akw_Keyword& comment);
  bool AddElectricalKeyword(const Entry& entry, const akw_Keyword& comment);
  bool AddOtherKeyword(const Entry& entry, const akw_Keyword& comment);
  // A surface concentration flux without a field: one "*Dflux" per face of
  // its region, each on an element set of the faces that the builder defines
  // once per load.
  void AddFaceFluxes(const Entry& entry, const akw_Keyword& comment);
  // Whether an inertia relief removed in `step` leaves its removal out: some
  // other unsuppressed inertia relief still applies there.
  bool OtherInertiaReliefActive(const cow_String& name, const cow_String& step) const;
  void AddSubmodels();
  aif_ModelInfo& Info() const;

  aif_LoadOpStatus opStatus_;
  aif_SectionHeader header_;
  bool cyclicSymmetry_ = false;
  cow_COW<kinC_Interaction> cyclicInteraction_;
  // The element sets of the faces of each surface concentration flux written
  // without a field, by load name: face name to the set's name.
  std::map<cow_String, cow_Map<cow_String, cow_String>> faceSets_;
};
