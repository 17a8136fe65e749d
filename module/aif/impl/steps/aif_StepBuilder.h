// Opens the history of every analysis step: under the step's name it files
// the step banner, "*Step", the procedure keyword of the step's kind and the
// keywords that go with it (solution technique, bulk viscosity, mass
// scaling, modal damping, eigenmode selection, global damping, damping
// controls), then "*Load Case" or "*Substructure Load Case" for each load
// case written. The other builders file the rest of each step after these
// lines. A member of the input-file driver, built and written third.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_ModelInfo;
class kprC_AnalysisStep;

class aif_StepBuilder : public akw_BuilderComponent {
 public:
  explicit aif_StepBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_StepBuilder(const aif_StepBuilder&) = default;

  // Walks the steps after the initial one in the model's order; a suppressed
  // step gets nothing and is invisible to the steps after it (nlgeom carried
  // over, the procedure before a modal dynamics step). A step of a kind the
  // writer does not know throws aif_Exception "Unimplemented step input file
  // writing method", its banner and "*Step" already filed. A step or load
  // case written under a name the file cannot carry (an unpaired double
  // quote) throws aif_Exception too (aif_CheckWritableName).
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_StepBuilder(*this); }

 private:
  // The procedure keyword of the step's kind and its companions.
  void Procedure(const cow_String& name, const kprC_AnalysisStep& step, unsigned previousType);
  void MassScalings(const cow_String& name, const kprC_AnalysisStep& step);
  void SubstructureGenerate(const cow_String& name, const kprC_AnalysisStep& step);
  void LoadCases(const cow_String& name, const kprC_AnalysisStep& step);
  aif_ModelInfo& Info() const;
};
