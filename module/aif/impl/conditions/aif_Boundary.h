// "*Boundary" (and, for fluid conditions, "*Fluid Boundary" and "*Dsflux"):
// one boundary condition in one step, uniform or node by node from a field,
// with its real and imaginary parts or buckling load cases; or the header
// alone where the condition is deactivated. Submodel conditions driven from a
// global model are grouped per step by aif_SubmodelBoundaryGroups under the
// first one's header; Eulerian conditions delegate to their own keywords.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbcC_BC.h"

class akw_ModelInfo;
class aif_ModelInfo;
struct aif_BoundaryFieldContext;

class aif_Boundary : public akw_Keyword {
 public:
  // `condition` (copied) in `stepName`, named `setName` in the data lines.
  // `modify` says the block modifies the previous step's definition (no
  // ", op=NEW"). `energyEquation` and `turbulenceModel` are the flow step's
  // settings (read by the fluid kinds only); `scale` multiplies every value
  // written by the data-line routine and the field lines. `info` must
  // outlive the keyword.
  aif_Boundary(const kbcC_BC& condition, const cow_String& stepName, bool modify,
               const cow_String& setName, bool shellToSolid, const akw_ModelInfo& info,
               const cow_String& initialStepName, const int& energyEquation,
               const int& turbulenceModel, double scale);
  aif_Boundary(const aif_Boundary&) = default;

  akw_Keyword* Clone() const override { return new aif_Boundary(*this); }

  // The block for the condition's kind; the header alone for a deactivated
  // condition. Throws aif_Exception "Unimplemented boundary condition in
  // input file." for a kind no writer handles, before anything is written.
  void Write(utl_Stream& stream) const override;

  // A submodel condition driven from a global model (not fixed): the builder
  // groups these per step.
  bool SubmodelDriven() const { return submodelDriven_; }
  // The complete header line of a submodel condition ("*Boundary, op=NEW,
  // submodel, step=Step-1"); empty for other kinds.
  cow_String SubmodelHeader() const { return submodelHeader_; }
  bool Inactive() const { return inactive_; }
  bool Modify() const { return modify_; }

  // The header shared by every kind: distribution 0 uniform, 1 user
  // subroutine, 2 analytical field, other discrete; load case 0 none, 1 real
  // (or "load case=1" in a buckling step), 2 imaginary.
  void WriteHeader(utl_Stream& stream, int distribution, bool fixed, int loadCase,
                   bool lineEnd) const;
  // The set name, `componentText` (", 3, 3") and, unless `noValue` or the
  // scaled value is 0, ", " and scale x value; then the line end.
  void WriteDataLine(utl_Stream& stream, const cow_String& componentText, double value,
                     bool noValue) const;
  // The short header of temperature conditions given over a list of
  // degrees of freedom; `flag` is not read.
  void WriteTemperatureHeader(utl_Stream& stream, bool flag, int loadCase) const;
  // "*Fluid Boundary ... type=Surface" and its first data line (the
  // printable set name, `variableText` and the unscaled value).
  void WriteFluidSurfaceHeader(utl_Stream& stream, bool hasAmplitude, const cow_String& amplitude,
                               const cow_String& variableText, double value) const;
  // "*Fluid Boundary ... type=Element".
  void WriteFluidElementHeader(utl_Stream& stream, const cow_String& amplitude) const;

  // The kind writers.
  void WriteDisplacement(utl_Stream& stream) const;
  void WriteVelocity(utl_Stream& stream) const;
  void WriteAcceleration(utl_Stream& stream) const;
  void WriteType(utl_Stream& stream) const;
  void WriteTemperature(utl_Stream& stream) const;
  void WriteScalarDof(utl_Stream& stream) const;
  void WriteComplexScalarDof(utl_Stream& stream) const;
  void WriteSubmodel(utl_Stream& stream) const;
  void WriteEulerian(utl_Stream& stream) const;
  void WriteEulerianMotion(utl_Stream& stream) const;
  void WriteFluidInletOutlet(utl_Stream& stream) const;
  void WriteFluidWall(utl_Stream& stream) const;

  // Data lines of the displacement writer: the real parts (components that
  // pass the component test), or the given values of the marked components.
  void WriteDisplacementLines(utl_Stream& stream, const kbcC_BC& condition, bool noValue) const;
  void WriteComplexDisplacementLines(utl_Stream& stream, const kbcC_BC& condition,
                                     const double (&values)[6], bool noValue,
                                     const bool (&marks)[6]) const;

  // Field lines (aif_BoundaryFieldLines does the work): one line per node of
  // an analytical field, per temperature run, per element face of a fluid
  // surface, per node of a discrete field.
  void WriteAnalyticalFieldLines(utl_Stream& stream, const cow_String& componentText,
                                 double magnitude) const;
  void WriteAnalyticalFieldRangeLines(utl_Stream& stream, int distribution,
                                      const cow_String& runText, bool fixed, int loadCase,
                                      bool lineEnd) const;
  void WriteFluidFieldLines(utl_Stream& stream, const cow_String& text, double magnitude) const;
  void WriteDiscreteFieldLines(utl_Stream& stream, const cow_String& componentText, double value,
                               int component) const;

 private:
  // Fills submodelHeader_, submodelDriven_ and submodelScale_ from the
  // submodel state of the step.
  void BuildSubmodelHeader();
  bool BucklingStep() const;
  // What the field lines need of this keyword.
  aif_BoundaryFieldContext FieldContext() const;
  // The single-value writers' header and data line: `text` is the
  // component text; `testState` type-tests the step state first.
  void WriteSingleValue(utl_Stream& stream, const cow_String& text, bool testState) const;
  // The velocity components of a fluid inlet or wall, under `amplitude`.
  void WriteFluidVelocity(utl_Stream& stream, const kbcC_BCState& state,
                          const cow_String& amplitude) const;
  // A fluid block of `variable` when it passes the component test.
  void WriteFluidVariable(utl_Stream& stream, const kbcC_BCState& state,
                          kbcC_FluidVariable variable, const cow_String& amplitude,
                          const char* text) const;

  bool opNew_ = false;
  cow_COW<kbcC_BC> condition_;
  cow_String stepName_;
  cow_String setName_;
  cow_String amplitude_;
  bool inactive_ = false;
  bool modify_ = false;
  bool submodelDriven_ = false;
  cow_String submodelHeader_;
  bool shellToSolid_ = false;
  double scale_ = 1.0;
  double submodelScale_ = 0.0;
  cow_String initialStepName_;
  const akw_ModelInfo* modelInfo_ = nullptr;
  int energyEquation_ = 0;
  int turbulenceModel_ = 0;
};
