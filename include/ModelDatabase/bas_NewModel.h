// A model of the model database: its repositories, kept as extensions under
// command names, and its model-wide values. A new model holds an empty
// repository of the right class under every command. Copies of a model share
// the repositories (the writer only reads them).
#pragma once

#include <memory>

#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_Repository.h"

class bas_NewModel {
 public:
  // Command names of the model's extensions.
  static const char* const adaptiveMeshControlCmd;
  static const char* const timePointCmd;
  static const char* const amplitudeCmd;
  static const char* const bcCmd;
  static const char* const profileCmd;
  static const char* const constraintCmd;
  static const char* const filterCmd;
  static const char* const contactControlCmd;
  static const char* const contactInitializationCmd;
  static const char* const interactionPropertyCmd;
  static const char* const interactionCmd;
  static const char* const loadCmd;
  static const char* const adaptiveMeshConstraintCmd;
  static const char* const materialCmd;
  static const char* const fieldOutputRequestCmd;
  static const char* const historyOutputRequestCmd;
  static const char* const integratedOutputSectionCmd;
  static const char* const fieldCmd;
  static const char* const stepCmd;
  static const char* const sectionCmd;
  static const char* const surfacePropertyCmd;
  static const char* const remeshingRuleCmd;
  static const char* const analyticalFieldCmd;
  static const char* const discreteFieldsCmd;
  static const char* const taskCmd;
  static const char* const partCmd;
  static const char* const assyCmd;
  static const char* const keywordBlockCmd;

  explicit bas_NewModel(cow_String name = cow_String());

  const cow_String& Name() const { return name_; }

  // The extension under `command`; throws cow_OutOfRange for a command the
  // model does not have.
  const mdl_Extension& ConstGetExtension(const cow_String& command) const;
  // The step repository: the extension under stepCmd, type-tested to be a
  // repository.
  const mdl_Repository& StepRepository() const;

  // Building: the extension under `command`, for filling; replaces it with
  // `extension` when one is given.
  mdl_Extension& MutableExtension(const cow_String& command);
  void SetExtension(const cow_String& command, std::shared_ptr<mdl_Extension> extension);

  // Model-wide values.
  double AbsoluteZero() const { return absoluteZero_; }
  double StefanBoltzmann() const { return stefanBoltzmann_; }
  double UniversalGasConstant() const { return universalGas_; }
  int SpecificHeatSetting() const { return specificHeat_; }
  int AcousticWaveFormulation() const { return acousticWave_; }
  const cow_String& RestartJobName() const { return restartJob_; }
  const cow_String& RestartStepName() const { return restartStep_; }
  int RestartIncrement() const { return restartIncrement_; }  // -2: none
  bool RestartEndStep() const { return restartEndStep_; }
  // A version tag of the model; "v5" marks a model written without parts.
  const cow_String& VersionTag() const { return versionTag_; }
  bool ShellToSolidSubmodel() const { return shellToSolid_; }
  const cow_String& Preamble() const { return preamble_; }

  void SetPhysicalConstants(double absoluteZero, double stefanBoltzmann, double universalGas) {
    absoluteZero_ = absoluteZero;
    stefanBoltzmann_ = stefanBoltzmann;
    universalGas_ = universalGas;
  }
  void SetSpecificHeatSetting(int value) { specificHeat_ = value; }
  void SetAcousticWaveFormulation(int value) { acousticWave_ = value; }
  void SetRestart(const cow_String& job, const cow_String& step, int increment, bool endStep) {
    restartJob_ = job;
    restartStep_ = step;
    restartIncrement_ = increment;
    restartEndStep_ = endStep;
  }
  void SetVersionTag(const cow_String& tag) { versionTag_ = tag; }
  void SetShellToSolidSubmodel(bool flag) { shellToSolid_ = flag; }
  void SetPreamble(const cow_String& text) { preamble_ = text; }

  // The model's type value (2: a model that may hold fluid elements only); 0
  // unless set.
  int ModelType() const { return modelType_; }
  void SetModelType(int type) { modelType_ = type; }

 private:
  cow_String name_;
  cow_Map<cow_String, std::shared_ptr<mdl_Extension>> extensions_;
  double absoluteZero_ = 1.7976931348623157e308;
  double stefanBoltzmann_ = 1.7976931348623157e308;
  double universalGas_ = 1.7976931348623157e308;
  int specificHeat_ = 0;
  int acousticWave_ = 0;
  cow_String restartJob_;
  cow_String restartStep_;
  int restartIncrement_ = -2;
  bool restartEndStep_ = false;
  cow_String versionTag_;
  bool shellToSolid_ = false;
  cow_String preamble_;
  int modelType_ = 0;
};
