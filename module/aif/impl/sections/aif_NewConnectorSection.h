// "*Connector Section": the connection type of a connector element set, with
// its behaviour, its orientations and the extra values some types carry.
// Made by the instance builder for assembly wires, by the fastener builder
// (discrete fasteners flagged) and by the assembled-fastener builder, whose
// constructor also files the orientations the keyword names.
//
// Written lines:
//   ["** " comment "@DODOVE, object=discrete fastener" for discrete fasteners]
//   "*Connector Section, elset=E[, behavior=B]" (no behaviour for a section
//     without constitutive data);
//   the connection type: one name and "," or the translational and
//     rotational names joined by ", " (kernel texts shortened: "Proj",
//     "Proj Flex-Tors", joined "J" and "r" names);
//   the orientation line: assembled fasteners "<p>Orient-1-<i>, [<p>Orient-2-<i>]";
//     otherwise the first datum system's name then ", " and the second's, or
//     "," alone (no second system, or one orientation), or ", " and the
//     second's alone; no line without datum systems;
//   a third line for assembled type 8 ("v1, [v2]") and for assembled type 7
//     or rotational type 6 (the value, not written when it is 1.); an empty
//     line stands for a missing orientation line before it.
//
// Assembled fasteners. The generated names are the name prefix the builder
// gives (its fastener's prefix: two fasteners never share one), then
// "Orient-1-", "Orient-2-", "OriDist-1-" or "OriDist-2-", then the name
// index. A prefix cut from the behaviour name would give fasteners "AF_1"
// and "AF_2" the same names. For each
// end whose datum reference is set (and for the first end always) an
// "*Orientation" naming its distribution and the "*Distribution" of its axes
// per connector element are filed in the builder's assembly definition, so
// that every orientation the line names is defined. A datum reference that
// names no datum coordinate system stops the write with aif_Exception naming
// the section and the datum: global axes in its place would turn the
// connector silently. The instance builder checks the datums of an assembly
// wire's section the same way (CheckNamedDatums) before filing it.
#pragma once

#include <memory>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivGeom/gsl_Matrix.h"
#include "aif/impl/model/aif_InstanceLabelLists.h"

class akw_BuilderComponent;
class ftr_PrimaryObject;

class aif_NewConnectorSection : public akw_Keyword {
 public:
  // Instance and fastener connectors. `section` (a kseC_ConnectorSection)
  // and `info` (an aif_ModelInfo) are not copied and must outlive the
  // keyword.
  aif_NewConnectorSection(cow_String behavior, cow_String elementSet, const kseC_Section* section,
                          ptoC_ConnectorOrientation orientation, akw_ModelInfo* info,
                          bool discreteFastener);
  // Assembled fasteners: `rotations` (one per connector element, in label
  // order) go to the distributions unchanged; the datums are resolved in
  // `object` under `resolvingName`. The distributions' rows are labelled
  // from `firstElement` (the first connector element's label; 0 derives it
  // from the model info's last element label). With an empty
  // `resolvingName` nothing is filed.
  // Throws aif_Exception when a datum reference does not resolve to a datum
  // coordinate system, having filed nothing.
  aif_NewConnectorSection(cow_String behavior, cow_String elementSet, const kseC_Section* section,
                          ptoC_ConnectorOrientation orientation,
                          const cow_List<gsl_Matrix>& rotations, const ftr_PrimaryObject* object,
                          const cow_String& resolvingName, akw_ModelInfo* info,
                          aif_InstanceLabelLists labels, cow_String namePrefix, int nameIndex,
                          int firstElement, akw_BuilderComponent& builder);
  aif_NewConnectorSection(const aif_NewConnectorSection&) = default;

  akw_Keyword* Clone() const override { return new aif_NewConnectorSection(*this); }
  // Fails the type test for a section that is not a connector section.
  void Write(utl_Stream& stream) const override;

  // The generated name of kind `kind` ("Orient-1-", ...) for this keyword.
  cow_String GeneratedName(const char* kind) const;

  // The datum coordinate system `reference` names in `object` (datums
  // resolved under `resolvingName`). Throws aif_Exception naming the
  // connector section `section` and the datum when it names none, or a datum
  // that is no coordinate system: an orientation line naming it would name
  // an orientation the file never defines.
  static std::shared_ptr<const dtu_DatumCsys> ResolveCsys(const ftr_PrimaryObject* object,
                                                          const cow_String& resolvingName,
                                                          const dtmC_DatumRef& reference,
                                                          const cow_String& section);
  // Instance form: checks, as ResolveCsys does, each datum system the
  // orientation line names (the first, the second unless the first orients
  // both ends); the behaviour name stands for the section.
  void CheckNamedDatums(const ftr_PrimaryObject* object, const cow_String& resolvingName) const;

 private:
  void WriteOrientationLine(utl_Stream& stream, bool& written) const;

  cow_String behavior_;
  cow_String elementSet_;
  const kseC_Section* section_;
  ptoC_ConnectorOrientation orientation_;
  akw_ModelInfo* info_;
  bool discreteFastener_ = false;
  bool assembledFastener_ = false;
  aif_InstanceLabelLists labels_;
  cow_String namePrefix_;
  int nameIndex_ = 0;
};
