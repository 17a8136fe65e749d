// "*Substructure Property": places a substructure instance of a flat file,
// naming the element set of its one file element, with its translation and
// its rotation about an axis. Made by the substructure builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "QivGeom/gsl_Matrix.h"

class aif_ModelInfo;
class asoF_PartInstance;

class aif_SubstructureProperty : public akw_Keyword {
 public:
  // Keeps the instance's id and transform; `info` must outlive the keyword.
  aif_SubstructureProperty(const asoF_PartInstance& instance, aif_ModelInfo& info);
  aif_SubstructureProperty(const aif_SubstructureProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_SubstructureProperty(*this); }
  // Nothing unless the context's label table holds the record of the
  // instance's file element. The element set is the first set written that
  // is wholly the substructure; when no set has claimed the record, an
  // "*Elset" of the file element is written first, named after the instance
  // ("INSTANCE_Substructure_"). Then "*Substructure Property, elset=SET";
  // the translation line "tx, ty, tz" when the instance is moved or turned;
  // the rotation line (a point on the axis, that point moved along the unit
  // axis, the angle in degrees) when it is turned. Numbers in width 12 with
  // 15 digits.
  void Write(utl_Stream& stream) const override;

 private:
  unsigned id_;
  cow_String instance_;
  gsl_Matrix transform_;
  aif_ModelInfo* info_;
};
