// Files the model's predefined fields step by step and load case by load case.
// In the initial step every initial-state kind, temperatures and field
// variables become "*Initial Conditions"; in the later steps only temperatures,
// field variables, pressure stresses and mass flow rates are written
// ("*Temperature", "*Field", "*Pressure Stress", "*Mass Flow Rate"), each
// behind the step's "PREDEFINED FIELDS" banner (never inside a load case) and a
// comment. The whole-model fluid fields get one "_PDF_WholeModel" element set
// per written instance. A member of the input-file driver, built and written
// after the loads.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_String.h"
#include "aif/impl/conditions/aif_FieldOpStatus.h"
#include "aif/impl/core/aif_SectionHeader.h"

class aif_ModelInfo;
class kpfC_Field;

class aif_FieldBuilder : public akw_BuilderComponent {
 public:
  explicit aif_FieldBuilder(akw_ModelInfo& modelInfo);
  aif_FieldBuilder(const aif_FieldBuilder&) = default;

  // The "_PDF_WholeModel" sets, the op status (marked in the steps a restart
  // resumes with), then the fields of every unsuppressed step in order.
  // Suppressed fields, initial-state fields and plain fields are passed over
  // before their status is read. The op status refuses a kind it does not
  // know (aif_Exception "Unimplemented field->statusKey conversion") where
  // it is asked; in the initial step such a kind is handed to "*Initial
  // Conditions", whose write refuses it.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_FieldBuilder(*this); }

  // The largest count of temperature values of the sections the parts use
  // (their assignments and composite layups), at least 1.
  int TemperatureValueCount() const;
  // The largest variable number of the field variables active in the
  // initial step; 0 when there is none.
  int FieldVariableCount() const;

 private:
  void AddWholeModelSets();
  void BuildOpStatus();
  // Whether `field` (of status `status` in `step`) is of a kind `step` can
  // write: pressure stresses and mass flow rates only after the initial
  // step, the initial-state kinds only in it. A field of a kind the step
  // cannot write, created or modified there, adds a checking message ("The
  // predefined field F is not written: a pressure stress field can be given
  // only in an analysis step.").
  bool IsWrittenInStep(const cow_String& name, const kpfC_Field& field, const cow_String& step,
                       int status) const;
  // `field` in `step`: into each load case that names it, else into the
  // step's own list.
  void AddField(const cow_String& name, const kpfC_Field& field, const cow_String& step);
  void AddFieldTo(const cow_String& name, const kpfC_Field& field, const cow_String& step,
                  const cow_String& loadCase, double scale);
  aif_ModelInfo& Info() const;

  aif_SectionHeader header_;
  aif_FieldOpStatus opStatus_;
  int temperatureValues_ = 1;
  int fieldVariables_ = 0;
  bool initialStep_ = false;
};
