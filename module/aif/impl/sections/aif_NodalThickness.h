// "*Nodal Thickness": the shell thickness at nodes, from a node-located
// scalar discrete field. The discrete-fields builder makes one per recorded
// use of such a field.
#pragma once

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"

class aif_NodalThickness : public akw_Keyword {
 public:
  aif_NodalThickness(const kfdC_DiscreteField& field, const akw_DiscreteField& record);
  aif_NodalThickness(const aif_NodalThickness&) = default;

  akw_Keyword* Clone() const override { return new aif_NodalThickness(*this); }
  // The keyword line, "** Description: " when the field has one, then one
  // line "label, value, ..." per label of every data table, labels as the
  // tables hold them. Throws aif_Exception naming the field, before writing
  // anything, when a table holds fewer values than its labels need.
  void Write(utl_Stream& stream) const override;

 private:
  kfdC_DiscreteField field_;
  akw_DiscreteField record_;
};
