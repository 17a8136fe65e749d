// Analysis steps and the model's ordered step container. The first step of a
// model is its initial step; every later one is an analysis step of a
// procedure class. A step may be suppressed and may hold load cases.
#pragma once

#include <utility>

#include "BasShared/cow_COW.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kprC_StepRequests.h"

// The analysis product the model's steps need. The host may answer products
// this list does not name, so every int value is a valid product.
enum kprC_AnalysisProductEnm : int {
  kprC_STANDARD = 0,
  kprC_EXPLICIT = 1,
  kprC_CFD = 2,
  kprC_INPUT_FILE = 3,  // an input-file job: no model to look at
};

// A load case of a step.
class klcC_LoadCase : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0103;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(klcC_LoadCase, kern_Object)
  klcC_LoadCase* Clone() const override { return new klcC_LoadCase(*this); }

  bool Suppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  // The loads the load case applies, by load name, each with its scale
  // factor.
  const cow_Map<cow_String, float>& LoadScaleFactors() const { return loadFactors_; }
  void SetLoadScaleFactor(const cow_String& load, float factor) { loadFactors_.Set(load, factor); }
  // The boundary conditions the load case applies, by name, each with its
  // scale factor.
  const cow_Map<cow_String, float>& BCScaleFactors() const { return bcFactors_; }
  void SetBCScaleFactor(const cow_String& condition, float factor) {
    bcFactors_.Set(condition, factor);
  }
  // The predefined fields the load case applies, by name, each with its
  // scale factor.
  const cow_Map<cow_String, float>& FieldScaleFactors() const { return fieldFactors_; }
  void SetFieldScaleFactor(const cow_String& field, float factor) {
    fieldFactors_.Set(field, factor);
  }
  // Whether the load case takes over the conditions of the base state (status
  // 9 or 10 in its step) that it does not name.
  bool UseBaseState() const { return baseState_; }
  void SetUseBaseState(bool use) { baseState_ = use; }

 private:
  bool suppressed_ = false;
  cow_Map<cow_String, float> loadFactors_;
  cow_Map<cow_String, float> bcFactors_;
  cow_Map<cow_String, float> fieldFactors_;
  bool baseState_ = false;
};

class kprC_Step : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_Step, kern_Object)
  kprC_Step* Clone() const override = 0;

  bool Suppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  const mdl_MapString2ObjCow<klcC_LoadCase>& LoadCases() const { return loadCases_; }
  // Solver input the user attached to the step, written at its end.
  const cow_String& InputSnippet() const { return snippet_; }
  void SetInputSnippet(const cow_String& snippet) { snippet_ = snippet; }
  // Adds a load case named `name`, suppressed or not.
  void AddLoadCase(const cow_String& name, bool suppressed = false);
  // Gives load case `name` (added before) the scale factor `factor` for the
  // load `load`.
  void SetLoadCaseFactor(const cow_String& name, const cow_String& load, float factor);
  // Gives load case `name` the scale factor `factor` for the boundary
  // condition `condition`, and sets whether it takes over the base state.
  void SetLoadCaseBCFactor(const cow_String& name, const cow_String& condition, float factor);
  void SetLoadCaseBaseState(const cow_String& name, bool use);
  // Gives load case `name` the scale factor `factor` for the predefined
  // field `field`.
  void SetLoadCaseFieldFactor(const cow_String& name, const cow_String& field, float factor);

 private:
  bool suppressed_ = false;
  mdl_MapString2ObjCow<klcC_LoadCase> loadCases_;
  cow_String snippet_;

  // The kernel's answers whether the step honours output by number of
  // intervals and time marks (kprC_OutputConsistency.h); yes unless set.
 public:
  bool NumberIntervalConsistent() const { return numberIntervalConsistent_; }
  bool TimeMarksConsistent() const { return timeMarksConsistent_; }
  void SetOutputConsistency(bool numberInterval, bool timeMarks) {
    numberIntervalConsistent_ = numberInterval;
    timeMarksConsistent_ = timeMarks;
  }

 private:
  bool numberIntervalConsistent_ = true;
  bool timeMarksConsistent_ = true;
};

class kprC_InitialStep : public kprC_Step {
 public:
  static constexpr unsigned kTypeId = 0x23C0002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_InitialStep, kprC_Step)
  kprC_InitialStep* Clone() const override { return new kprC_InitialStep(*this); }
};

class kprC_AnalysisStep : public kprC_Step {
 public:
  static constexpr unsigned kTypeId = 0x23C0003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_AnalysisStep, kprC_Step)
  kprC_AnalysisStep* Clone() const override = 0;

  // A linear perturbation step (it does not start a general step). The
  // procedures that only perturb the base state say so by default.
  bool Perturbation() const { return perturbation_; }
  void SetPerturbation(bool perturbation) { perturbation_ = perturbation; }

  // Geometric nonlinearity: 0 off, 1 on.
  int Nlgeom() const { return nlgeom_; }
  void SetNlgeom(int nlgeom) { nlgeom_ = nlgeom; }
  // 0 a steady-state response, any other value transient.
  int Response() const { return response_; }
  void SetResponse(int response) { response_ = response; }
  const cow_String& Description() const { return description_; }
  void SetDescription(const cow_String& description) { description_ = description; }
  // 0 the direct solver, 1 iterative.
  int MatrixSolver() const { return matrixSolver_; }
  void SetMatrixSolver(int solver) { matrixSolver_ = solver; }
  // Unsymmetric matrix storage: 1 off, 2 on, any other value not set.
  int MatrixStorage() const { return matrixStorage_; }
  void SetMatrixStorage(int storage) { matrixStorage_ = storage; }
  // Conversion of severe discontinuity iterations: 0 off, 1 on, others not set.
  int ConvertSDI() const { return convertSDI_; }
  void SetConvertSDI(int convert) { convertSDI_ = convert; }
  // 0 full Newton, 1 separated, 2 quasi-Newton; with quasi-Newton the kernel
  // is reformed every `ReformKernel()` iterations.
  int SolutionTechnique() const { return solutionTechnique_; }
  void SetSolutionTechnique(int technique) { solutionTechnique_ = technique; }
  int ReformKernel() const { return reformKernel_; }
  void SetReformKernel(int iterations) { reformKernel_ = iterations; }
  double TimePeriod() const { return timePeriod_; }
  void SetTimePeriod(double period) { timePeriod_ = period; }
  // Whether the step carries on the analysis of the step before it without
  // a state of its own to restart from (false unless set): a restart that
  // resumes before it restates the loads of the step after it too.
  bool Continuation() const { return continuation_; }
  void SetContinuation(bool continuation) { continuation_ = continuation; }
  // The adaptive mesh domains the step holds, by name (none unless added).
  const mdl_MapString2ObjCow<kadC_AdptMeshDomain>& AdaptiveMeshDomains() const { return domains_; }
  mdl_MapString2ObjCow<kadC_AdptMeshDomain>& MutableAdaptiveMeshDomains() { return domains_; }

  // Whether the explicit solver runs the step's procedure.
  bool Explicit() const;
  // The step drives a simulation-based process (false unless set).
  bool SimBased() const { return simBased_; }
  void SetSimBased(bool simBased) { simBased_ = simBased; }

  // The requests the step carries beside its procedure, each empty unless
  // set; a step's copy shares them until one of the two is changed. (The
  // explicit procedures' own Controls, their time incrementation, hide the
  // solution controls handle in those classes; reach it through this class.)
  const cow_COW<kprC_Restart>& Restart() const { return restart_; }
  void SetRestart(const cow_COW<kprC_Restart>& restart) { restart_ = restart; }
  void SetRestart(const kprC_Restart& restart) { restart_ = cow_COW<kprC_Restart>(restart); }
  const cow_COW<kprC_Monitor>& Monitor() const { return monitor_; }
  void SetMonitor(const cow_COW<kprC_Monitor>& monitor) { monitor_ = monitor; }
  void SetMonitor(const kprC_Monitor& monitor) { monitor_ = cow_COW<kprC_Monitor>(monitor); }
  const cow_COW<kprC_DiagnosticPrint>& DiagnosticPrint() const { return print_; }
  void SetDiagnosticPrint(const cow_COW<kprC_DiagnosticPrint>& print) { print_ = print; }
  void SetDiagnosticPrint(const kprC_DiagnosticPrint& print) {
    print_ = cow_COW<kprC_DiagnosticPrint>(print);
  }
  const cow_COW<kprC_Controls>& Controls() const { return controls_; }
  void SetControls(const cow_COW<kprC_Controls>& controls) { controls_ = controls; }
  void SetControls(const kprC_Controls& controls) { controls_ = cow_COW<kprC_Controls>(controls); }
  const cow_COW<kprC_LinearCtrl>& LinearCtrl() const { return linearCtrl_; }
  void SetLinearCtrl(const cow_COW<kprC_LinearCtrl>& control) { linearCtrl_ = control; }
  void SetLinearCtrl(const kprC_LinearCtrl& control) {
    linearCtrl_ = cow_COW<kprC_LinearCtrl>(control);
  }

 protected:
  // The procedure classes give their own default perturbation flag and
  // response: the transient procedures start transient.
  explicit kprC_AnalysisStep(bool perturbation = false, int response = 0)
      : perturbation_(perturbation), response_(response) {}

 private:
  bool perturbation_ = false;
  int nlgeom_ = 0;
  int response_ = 0;
  cow_String description_;
  int matrixSolver_ = 0;
  int matrixStorage_ = 0;
  int convertSDI_ = 2;
  int solutionTechnique_ = 0;
  int reformKernel_ = 8;
  double timePeriod_ = 1.0;
  bool continuation_ = false;
  mdl_MapString2ObjCow<kadC_AdptMeshDomain> domains_;
  bool simBased_ = false;
  cow_COW<kprC_Restart> restart_;
  cow_COW<kprC_Monitor> monitor_;
  cow_COW<kprC_DiagnosticPrint> print_;
  cow_COW<kprC_Controls> controls_;
  cow_COW<kprC_LinearCtrl> linearCtrl_;
};


// The model's steps in their order.
class kprC_StepContainer : public mdl_Repository {
 public:
  static constexpr unsigned kTypeId = 0x23C0100;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_StepContainer, mdl_Repository)

  std::size_t Length() const { return names_.Length(); }
  // The step names in step order.
  const cow_List<cow_String>& Keys() const { return names_; }
  // The names of the steps that are not suppressed, in step order.
  cow_List<cow_String> UnsuppressedKeys() const;
  bool Contains(const cow_String& name) const { return steps_.Contains(name); }
  // The step named `name`; throws cow_OutOfRange when there is none.
  const kprC_Step& ConstGet(const cow_String& name) const { return *steps_.Get(name); }
  kprC_AnalysisProductEnm AnalysisProduct() const { return product_; }

  // Appends a copy of `step` under `name` (a name given again is replaced in place).
  void Append(const cow_String& name, const kprC_Step& step);
  void SetAnalysisProduct(kprC_AnalysisProductEnm product) { product_ = product; }
  // The flow procedures' settings: the energy equation (1: solved) and the
  // turbulence model (0 none, 1 one equation, 2 two equations).
  int EnergyEquation() const { return energyEquation_; }
  int TurbulenceModel() const { return turbulenceModel_; }
  void SetFlowSettings(int energyEquation, int turbulenceModel) {
    energyEquation_ = energyEquation;
    turbulenceModel_ = turbulenceModel;
  }

 private:
  cow_List<cow_String> names_;
  cow_Map<cow_String, cow_COW<kprC_Step>> steps_;
  kprC_AnalysisProductEnm product_ = kprC_STANDARD;
  int energyEquation_ = 0;
  int turbulenceModel_ = 0;
};

// The procedure classes of analysis steps.
#include "OdbAttrEO/kprC_AnalysisSteps.h"
