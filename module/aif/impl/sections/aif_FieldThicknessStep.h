// The field-thickness step of aif_PartAttributesBuilder: the thickness of
// shell and membrane regions from an analytical field (a "*Distribution" or
// "*Nodal Thickness") or from a discrete field ("*Nodal Thickness"), filed
// by the part-level rule with their discrete-field records.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class aif_PartAttributesFiler;
class rgnC_Region;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_FieldThicknessStep {
 public:
  aif_FieldThicknessStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // The thickness of `regions` of the instance from the analytical field
  // `fieldName` evaluated at their elements (`location` 1: "*Distribution
  // Table" in the model, once per record, and "*Distribution") or nodes (0:
  // "*Nodal Thickness"). One column of `columnType`. A node or element of two
  // regions keeps the value of the first. Returns the field's name, or it
  // with "-1", "-2" ... when a recorded field has it. Returns empty, having
  // filed nothing, and adds a checking message naming the field, when the
  // model has no such analytical field, when it is of a kind that cannot be
  // evaluated, or when its mapping fails (empty without a message when a
  // discrete field has the name).
  cow_String FromAnalyticalField(const aif_InstanceScope& scope, const cow_String& fieldName,
                                 const cow_List<rgnC_Region>& regions, int location,
                                 const cow_String& columnType);
  // "*Nodal Thickness" of the nodes of `regions` (each node once, the first
  // region's row standing; none that an earlier "*Nodal Thickness" of the
  // instance's scope holds; no keyword when no node is left) from the
  // discrete field `fieldName`: a node's
  // value in the field's table of the instance (else its unnamed table),
  // else the field's default; rows in label order. Returns the name (the
  // field's; flat: the instance's name, "_" and it; "-1", "-2" ... when a
  // recorded field has it), or empty, filing nothing, when the model holds
  // no discrete field of the name.
  cow_String FromDiscreteField(const aif_InstanceScope& scope, const cow_List<rgnC_Region>& regions,
                               const cow_String& fieldName);
  // A shell's (or, with `membrane`, a membrane's) thickness given by the
  // distribution of the discrete field `fieldName`: records the use for the
  // discrete-fields builder and returns how the section names it. A
  // node-located scalar field of a shell sets `nodal` and returns empty: the
  // section asks for the nodal thickness, which the discrete-fields builder
  // writes in the scope. Otherwise the distribution's name (flat: the
  // instance's name, "_" and it). Returns empty without `nodal`, recording
  // nothing and adding a checking message naming the field, when the model
  // holds no such field or a membrane's field holds values at nodes.
  cow_String FromDiscreteFieldUse(const aif_InstanceScope& scope, const cow_String& fieldName,
                                  bool membrane, bool& nodal);

 private:
  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
