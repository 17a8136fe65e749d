// The model adapter every builder reads the model through: one accessor per
// repository of the host model, the model-wide values, the part and assembly
// repositories and the step names builders file keywords under. It refers to
// the host model, which outlives the write, and never changes it.
#pragma once

#include "AFCInputFileWriter/akw_Model.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModelDatabase/bas_NewModel.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kprC_Step.h"

class aif_Model : public akw_Model {
 public:
  // Reads the step names of `model` (a counted step after the initial one
  // that is not an analysis step fails its type test).
  aif_Model(const bas_NewModel& model, const cow_String& name);
  aif_Model(const aif_Model& other) = default;
  ~aif_Model() override = default;

  // The repositories; each fails a type test naming this file when the model
  // holds an extension of another class under the repository's command.
  virtual const mdl_MapString2ObjCow<kadC_AdptMeshCtrl>& AdaptiveMeshControls() const;
  virtual const mdl_MapString2ObjCow<kprC_TimePoint>& TimePoints() const;
  virtual const mdl_MapString2ObjCow<kamC_Amplitude>& Amplitudes() const;
  virtual const kprC_PropagatingContainer<kbcC_BC>& BoundaryConditions() const;
  virtual const mdl_MapString2ObjCow<kbpC_BeamProfile>& Profiles() const;
  virtual const mdl_MapString2ObjCow<kcoC_Constraint>& Constraints() const;
  virtual const mdl_MapString2ObjCow<kflC_Filter>& Filters() const;
  virtual const mdl_MapString2ObjCow<kinC_ContactControls>& ContactControls() const;
  virtual const mdl_MapString2ObjCow<kinC_ContactInitialization>& ContactInitializations() const;
  virtual const mdl_MapString2ObjCow<kinC_InteractionProperty>& InteractionProperties() const;
  virtual const kprC_PropagatingContainer<kinC_Interaction>& Interactions() const;
  virtual const kprC_PropagatingContainer<kloC_Load>& Loads() const;
  virtual const kprC_PropagatingContainer<kprC_AdptMeshCons>& AdaptiveMeshConstraints() const;
  virtual const mdl_MapString2ObjCow<kmaC_Material>& Materials() const;
  virtual const kprC_PropagatingContainer<korC_FieldOutput>& FieldOutputRequests() const;
  virtual const kprC_PropagatingContainer<korC_HistoryOutput>& HistoryOutputRequests() const;
  virtual const mdl_MapString2ObjCow<korC_IntegratedOutputSection>& IntegratedOutputSections()
      const;
  virtual const kprC_PropagatingContainer<kpfC_Field>& Fields() const;
  virtual const kprC_StepContainer& Steps() const;
  virtual const mdl_MapString2ObjCow<kseC_Section>& Sections() const;
  virtual const mdl_MapOfCowsRepository<kspC_SurfaceProperty>& SurfaceProperties() const;
  virtual const mdl_MapString2ObjCow<karC_RemeshingRule>& RemeshingRules() const;
  virtual const mdl_MapString2ObjCow<kfdC_AnalyticalField>& AnalyticalFields() const;
  virtual const mdl_MapString2ObjCow<kfdC_DiscreteField>& DiscreteFields() const;
  virtual const mdl_MapString2ObjCow<kopC_Task>& Tasks() const;

  // The model-wide values, as the host model holds them.
  virtual double AbsoluteZero() const { return model_->AbsoluteZero(); }
  virtual double StefanBoltzmann() const { return model_->StefanBoltzmann(); }
  virtual double UniversalGasConstant() const { return model_->UniversalGasConstant(); }
  virtual int SpecificHeatSetting() const { return model_->SpecificHeatSetting(); }
  virtual int AcousticWaveFormulation() const { return model_->AcousticWaveFormulation(); }
  virtual cow_String RestartJobName() const { return model_->RestartJobName(); }
  virtual cow_String RestartStepName() const { return model_->RestartStepName(); }
  virtual int RestartIncrement() const { return model_->RestartIncrement(); }
  virtual bool RestartEndStep() const { return model_->RestartEndStep(); }
  virtual cow_String VersionTag() const { return model_->VersionTag(); }
  virtual bool ShellToSolidSubmodel() const { return model_->ShellToSolidSubmodel(); }
  virtual cow_String Preamble() const { return model_->Preamble(); }

  aif_Model* Clone() const override { return new aif_Model(*this); }

  const mdl_IDRepository<ptoK_Part>& Parts() const;
  const mdl_IDRepository<asoK_Assembly>& Assemblies() const;
  const bas_NewModel& HostModel() const { return *model_; }

 private:
  template <class Repository>
  const Repository& Get(const char* command, int line) const;

  const bas_NewModel* model_;
};
