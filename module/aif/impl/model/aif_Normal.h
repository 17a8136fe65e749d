// "*Normal": a normal direction for every node of every element of a fastener
// template instance, repeated for each copy of the template with the labels
// the copies' meshes are written with. The assembled-fastener builder makes it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "QivGeom/gsl_Matrix.h"
#include "QivGeom/gsl_Vector.h"

class aif_ModelInfo;

class aif_Normal : public akw_Keyword {
 public:
  // `copies`: one transform per copy. `nodeLabels`: template node label to
  // its label in the first copy; copy k adds k times the map's size.
  // `firstElementLabel`: the label of the template's first element in the
  // first copy of a flat file (a part-based file keeps the mesh's labels).
  aif_Normal(const aif_ModelInfo& info, const asoF_PartInstance& instance,
             cow_List<gsl_Matrix> copies, cow_Btree<int, int> nodeLabels,
             const gsl_Vector& direction, int firstElementLabel);
  aif_Normal(const aif_Normal&) = default;

  akw_Keyword* Clone() const override { return new aif_Normal(*this); }
  // "*Normal", then per element class, copy and element one line per node of
  // the element: "element, node, nx, ny, nz", the unit normal with components
  // below 1e-12 in magnitude written as "0.". The normal is the direction
  // from the element's first node to its second crossed with `direction`,
  // turned by the instance's transform and then by the copy's.
  //
  // An element without a direction of its own gets no lines, with a warning
  // to the progress object: the elements of a one-node class (once per
  // class) and an element whose first two nodes coincide. Throws
  // aif_Exception for a node missing from the node label map: its copies
  // have no label. Nothing at all without a mesh or without copies.
  void Write(utl_Stream& stream) const override;

 private:
  const aif_ModelInfo* info_;
  asoF_PartInstance instance_;
  cow_List<gsl_Matrix> copies_;
  cow_Btree<int, int> nodeLabels_;
  gsl_Vector direction_;
  int elementLabelBase_;
};
