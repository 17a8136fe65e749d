// The element-controls step of aif_PartAttributesBuilder: gives every
// non-default element-control parameter set of the write an index ("EC-n"),
// marks the elements of each instance with it, and at the end of the write
// files the "*Section Controls" they need in the model.
#pragma once

class aif_PartAttributesFiler;
class bme_ElemCtrlParams;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_ElementControlsStep {
 public:
  aif_ElementControlsStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // Marks each element of a class with non-default controls in the property
  // table with the index of its parameter set, adding new sets to the table.
  void Collect(const aif_InstanceScope& scope);
  // Once, after the last instance: the defaults under -1 when any other set
  // is present, then "*Section Controls" per index in ascending order, the
  // first non-empty one preceded by the "ELEMENT CONTROLS" comment.
  void Write();

  // The element library of an analysis product: 0, 1, 2 give 1, 2, 3.
  static int Library(int product);

 private:
  // The element-control index of `params`: the first equal entry of the
  // table, else a new one.
  int Index(const bme_ElemCtrlParams& params) const;

  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
