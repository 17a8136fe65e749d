// A pressure penetration interaction: fluid pressure that penetrates a
// standard contact pair (named by the interaction's contact) from one or more
// penetration regions, with a partner region each where one is given. Each
// step gives the amplitude, the penetration time and per region the fluid
// pressure and the critical contact pressure; complex loading gives the fluid
// pressures as complex values on the interaction itself.
//
// Type ids 0x30700a0 and 0x30701a0 are this header's.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "QivBasicUtils/omi_complex.h"

// A complex value as the interaction stores it: form 0 holds the real and the
// imaginary part as given; any other form (a magnitude and a phase, say) is
// read through the converted parts of its value.
class kinC_Complex {
 public:
  kinC_Complex() = default;
  kinC_Complex(double real, double imag) : value_(real, imag) {}
  // A value of `form` whose conversion gives `real` and `imag`; the stored
  // parts are `storedFirst` and `storedSecond`.
  static kinC_Complex Converted(int form, double storedFirst, double storedSecond, double real,
                                double imag) {
    kinC_Complex value(storedFirst, storedSecond);
    value.form_ = form;
    value.value_.SetConverted(real, imag);
    return value;
  }

  int Form() const { return form_; }
  const omi_complex& Value() const { return value_; }

 private:
  int form_ = 0;
  omi_complex value_;
};

// The state of a pressure penetration in one step. UseAmplitude answers for
// the step's procedure type whether the amplitude applies (yes unless the
// procedure types refused were set).
class kinC_PressurePenetrationState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_PressurePenetrationState, kinC_InteractionState, 0x30701a0)

  const mdl_PropAttr<cow_String>& Amplitude() const { return amplitude_; }
  void SetAmplitude(const cow_String& name, int status = 1) { amplitude_.Set(name, status); }
  const mdl_PropAttr<double>& PenetrationTime() const { return time_; }
  void SetPenetrationTime(double time, int status = 1) { time_.Set(time, status); }
  // The fluid pressure and the critical contact pressure, one per
  // penetration region.
  const mdl_PropAttr<cow_List<double>>& FirstValues() const { return first_; }
  const mdl_PropAttr<cow_List<double>>& SecondValues() const { return second_; }
  void SetValues(const cow_List<double>& first, const cow_List<double>& second, int status = 1) {
    first_.Set(first, status);
    second_.Set(second, status);
  }

  bool UseAmplitude(unsigned procedureType) const {
    for (unsigned refused : noAmplitude_)
      if (refused == procedureType) return false;
    return true;
  }
  void SetNoAmplitudeProcedures(const cow_List<unsigned>& types) { noAmplitude_ = types; }

 private:
  mdl_PropAttr<cow_String> amplitude_;
  mdl_PropAttr<double> time_{0.001, 1};
  mdl_PropAttr<cow_List<double>> first_;
  mdl_PropAttr<cow_List<double>> second_;
  cow_List<unsigned> noAmplitude_;
};

class kinC_PressurePenetration : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_PressurePenetration, kinC_Interaction, 0x30700a0)

  // The name of the standard surface-to-surface contact penetrated.
  const cow_String& ContactInteraction() const { return contact_; }
  void SetContactInteraction(const cow_String& name) { contact_ = name; }

  bool ComplexLoading() const { return complex_; }
  const cow_List<kinC_Complex>& ComplexValues() const { return complexValues_; }
  void SetComplexValues(const cow_List<kinC_Complex>& values) {
    complex_ = true;
    complexValues_ = values;
  }
  void SetComplexLoading(bool complex) { complex_ = complex; }

  // The penetration regions and, parallel to them, their partners; the
  // partner list may be shorter, and a default region stands for none.
  const cow_List<rgnC_Region>& PenetrationRegions() const { return regions_; }
  const cow_List<rgnC_Region>& PartnerRegions() const { return partners_; }
  void SetRegions(const cow_List<rgnC_Region>& regions, const cow_List<rgnC_Region>& partners) {
    regions_ = regions;
    partners_ = partners;
  }

  // Gives `step` the status `status` and a copy of `state`.
  void SetStepState(const cow_String& step, int status,
                    const kinC_PressurePenetrationState& state) {
    SetState(step, status, state);
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_PressurePenetrationState; }

 private:
  cow_String contact_;
  bool complex_ = false;
  cow_List<kinC_Complex> complexValues_;
  cow_List<rgnC_Region> regions_;
  cow_List<rgnC_Region> partners_;
};
