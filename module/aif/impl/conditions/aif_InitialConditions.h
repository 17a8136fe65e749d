// "*Initial Conditions": one initial state of the model, in one of four
// forms: a predefined field written in the initial step (fourteen field
// kinds, uniform, from a results file or distributed by a field), the
// enrichment of an XFEM crack, the solution-dependent state of an actuator or
// sensor, or the initial contact of a surface-to-surface contact pair.
#pragma once

#include <memory>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kpfC_Field.h"

class akw_ModelInfo;
class aif_ModelInfo;
class aif_PredefFieldUtils;

class aif_InitialConditions : public akw_Keyword {
 public:
  // Field form: `field` (copied) with its state read in `stateStepName` and
  // its values evaluated in `evaluationStepName`; `regionName` heads the data
  // lines; temperature and field-variable lines are laid out for
  // `temperatureValueCount` and `fieldValueCount` values; `scale` multiplies
  // evaluated values. `flag` is kept and not read. `info` must outlive the
  // keyword.
  aif_InitialConditions(const kpfC_Field& field, const cow_String& stateStepName,
                        const cow_String& evaluationStepName, unsigned char flag,
                        const cow_String& regionName, int temperatureValueCount,
                        int fieldValueCount, const akw_ModelInfo* info, double scale);
  // Enrichment form: the crack named `crackName`; `kind` the crack's type id.
  aif_InitialConditions(const kefC_XFEMCrack& crack, const cow_String& crackName,
                        const akw_ModelInfo* info, unsigned kind);
  // Solution form: the actuator or sensor on the set `regionName`, its lines
  // spanning `solutionValueCount` values; `kind` its type id.
  aif_InitialConditions(const kinC_ActuatorSensor& actuatorSensor, const cow_String& regionName,
                        int solutionValueCount, const akw_ModelInfo* info, unsigned kind);
  // Contact form: the contact pair; `kind` its type id.
  aif_InitialConditions(const kinC_SurfaceToSurfaceContactStd& contact, const akw_ModelInfo* info,
                        unsigned kind);
  aif_InitialConditions(const aif_InitialConditions&) = default;

  akw_Keyword* Clone() const override { return new aif_InitialConditions(*this); }

  // The block of the form, and in the field form of the field's kind. Throws
  // aif_Exception "Unimplemented field for initial condition!" for a field
  // kind no writer handles, before anything is written. A non-field form of
  // an unknown kind writes nothing.
  void Write(utl_Stream& stream) const override;

  // "*Initial Conditions, type=..." with the options of the field's kind and
  // the line end (every field kind but fluid turbulence). Throws
  // aif_Exception "Unimplemented initial condition!" for another kind.
  void WriteHeader(utl_Stream& stream) const;

  // The writers of the field kinds.
  void WriteVelocity(utl_Stream& stream) const;
  void WriteStress(utl_Stream& stream) const;
  void WriteGeostaticStress(utl_Stream& stream) const;
  void WriteHardening(utl_Stream& stream) const;
  void WriteTemperature(utl_Stream& stream) const;
  void WriteField(utl_Stream& stream) const;
  void WriteSaturation(utl_Stream& stream) const;
  void WriteRatio(utl_Stream& stream) const;
  void WritePorePressure(utl_Stream& stream) const;
  // Node lines of a voids ratio or pore pressure evaluated through its
  // distribution field; `quantity` ("void ratio", "pore pressure") and
  // `objectName` fill the failure message.
  void WriteEvaluatedRatioValues(utl_Stream& stream, const cow_String& quantity,
                                 const cow_String& objectName) const;
  void WriteFluidVelocity(utl_Stream& stream) const;
  void WriteFluidDensity(utl_Stream& stream) const;
  void WriteFluidTurbulence(utl_Stream& stream) const;
  void WriteFluidThermalEnergy(utl_Stream& stream) const;
  void WriteVolumeFraction(utl_Stream& stream) const;
  // The writers of the other forms.
  void WriteContact(utl_Stream& stream) const;
  void WriteSolution(utl_Stream& stream) const;
  void WriteEnrichment(utl_Stream& stream) const;

 private:
  const aif_ModelInfo& Info() const;

  cow_ArrayCOW<kpfC_Field> field_;
  cow_String stateStepName_;
  cow_String evaluationStepName_;
  cow_String regionName_;
  cow_String crackName_;
  unsigned char flag_ = 0;
  kinC_ActuatorSensor actuatorSensor_;
  kinC_SurfaceToSurfaceContactStd contact_;
  kefC_XFEMCrack crack_;
  int solutionValueCount_ = 0;
  int temperatureValueCount_ = 0;
  int fieldValueCount_ = 0;
  // Copies of the keyword share the evaluator; null outside the field form.
  std::shared_ptr<const aif_PredefFieldUtils> evaluator_;
  const akw_ModelInfo* modelInfo_ = nullptr;
  double scale_ = 1.0;
  unsigned kind_ = 0;
};
