// "*Distribution, name=...": the default line and the data lines of a
// discrete field, or of the element orientations of a connector.
//
// Labels. A data table holds mesh labels of its instance when the model
// info's labels of the field's location are usable (NodeLabelsUsable for a
// node-located field, ElementLabelsUsable otherwise), and otherwise the
// position of the node or element in its mesh plus 1. A row is written with
// the label the mesh block writes: the stored label plus the instance's
// offset (NodeOffset for a node-located field, ElementOffset otherwise), less
// 1 when the labels are not usable. A name the numbering never saw, and every
// name in a part-based file, has offset 0. The rows of an unnamed table are
// offset by the instance the distribution is written for, those of a table
// named by an instance by that instance; the one table of a single-table
// orientation field by the record's first instance (0 without one); the
// unnamed tables of a model-scope field are written as held.
//
// Values. Each value is the shortest text that reads back to the same
// double; default values and the rows of unnamed tables are right-aligned in
// 6 characters (12 for orientations), named tables' rows are not padded.
#pragma once

#include <memory>

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "QivGeom/gsl_Matrix.h"
#include "aif/impl/model/aif_InstanceLabelLists.h"

class aif_Distribution : public akw_Keyword {
 public:
  // Field form: the distribution of `field` for the use `record`. `info` is
  // an aif_ModelInfo that outlives the write.
  aif_Distribution(const kfdC_DiscreteField& field, const akw_DiscreteField& record,
                   akw_ModelInfo* info);
  // Orientation form: distribution `name` of the elements of a connector, one
  // per rotation matrix, the walk over the matrices repeated `labels.count`
  // times. `csys` (may be null, not owned) is the coordinate system whose
  // first two axes, turned by each matrix, give the element's axes; with
  // `fixedAxes` the global x and y axes are turned instead. `kept` is held
  // for the caller and not written.
  aif_Distribution(cow_String name, const dtu_DatumCsys* csys, cow_List<gsl_Matrix> rotations,
                   aif_InstanceLabelLists labels, bool fixedAxes, int kept, akw_ModelInfo* info);
  aif_Distribution(const aif_Distribution&) = default;

  akw_Keyword* Clone() const override { return new aif_Distribution(*this); }
  // Field form: for scopes 0 to 2 one distribution per instance name of the
  // record (once in a part-based file, except scope 2 whose names are
  // instance-qualified), for scope 3 one distribution named by the field:
  // the keyword line, "** Description: " when the field has one, the default
  // line ", v1, v2, ..." and one line per label "label, v1, v2, ...".
  // Throws aif_Exception naming the field, before writing anything, when a
  // list it reads is short: fewer default values than components, a table
  // with fewer values than its labels need, or no table for a single-table
  // orientation field.
  // Orientation form: the keyword line with "table=_TM_Dist_Table", the
  // first element's axes as the default line and a line for each element
  // whose axes differ from them (tolerance 1e-5); labels continue from the
  // model info's element labels.
  void Write(utl_Stream& stream) const override;

  // Orientation form: turns the axes of `csys` in place of the system given
  // at construction, holding a share of it so that it lives as long as any
  // copy of the keyword (a distribution filed in a builder's list outlives
  // its maker).
  void ShareCsys(std::shared_ptr<const dtu_DatumCsys> csys) {
    csys_ = csys.get();
    sharedCsys_ = std::move(csys);
  }

  // Orientation form: the first element's label is `first` (the walk counts
  // on from it) instead of the one derived from the model info's last
  // element label, which is right only when the connector's elements are the
  // last the file numbered.
  void StartLabelsAt(int first) { firstLabel_ = first; }

  bool IsOrientationForm() const { return orientationForm_; }
  int Kept() const { return kept_; }

 private:
  void WriteFieldForm(utl_Stream& stream) const;
  void WriteModelForm(utl_Stream& stream) const;
  void WriteOrientationForm(utl_Stream& stream) const;

  kfdC_DiscreteField field_;
  akw_DiscreteField record_;
  akw_ModelInfo* info_;
  bool orientationForm_ = false;
  cow_String name_;
  const dtu_DatumCsys* csys_ = nullptr;
  std::shared_ptr<const dtu_DatumCsys> sharedCsys_;
  cow_List<gsl_Matrix> rotations_;
  aif_InstanceLabelLists labels_;
  bool fixedAxes_ = false;
  int kept_ = 0;
  int firstLabel_ = 0;
};
