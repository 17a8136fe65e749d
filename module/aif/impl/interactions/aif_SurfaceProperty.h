// "*Surface Property, name=": the line that opens a surface property's
// definition. The interaction-property pass files one per surface property.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_SurfaceProperty : public akw_Keyword {
 public:
  explicit aif_SurfaceProperty(cow_String name);
  aif_SurfaceProperty(const aif_SurfaceProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_SurfaceProperty(*this); }
  // "*Surface Property, name=NAME", the name in its printable form.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
};
