// "*Eulerian Boundary": the inflow and outflow of an Eulerian boundary
// condition on a region in one step, or the keyword line alone with
// ", op=NEW" where the boundary conditions start anew. The boundary keyword
// creates it and writes it straight into its own output.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class kbcC_EulerianBC;

class aif_EulerianBoundary : public akw_Keyword {
 public:
  // `boundary` (referred to; it must outlive the keyword) in `stepName`,
  // its region named `regionName` on the data line; `opNew` writes
  // ", op=NEW".
  aif_EulerianBoundary(const kbcC_EulerianBC& boundary, const cow_String& stepName,
                       const cow_String& regionName, bool opNew);
  // The short form: "*Eulerian Boundary, op=NEW" alone.
  explicit aif_EulerianBoundary(const kbcC_EulerianBC& boundary);
  aif_EulerianBoundary(const aif_EulerianBoundary&) = default;

  akw_Keyword* Clone() const override { return new aif_EulerianBoundary(*this); }

  // The keyword line with the inflow and outflow options the state's
  // definition asks for, then the region's name as the one data line.
  void Write(utl_Stream& stream) const override;

 private:
  const kbcC_EulerianBC* boundary_;
  cow_String stepName_;
  cow_String regionName_;
  bool opNew_ = false;
  bool headerOnly_ = false;
};
