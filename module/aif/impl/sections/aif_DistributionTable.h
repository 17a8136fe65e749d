// "*Distribution Table, name=...": the column types of a discrete field's
// distribution. The discrete-fields builder makes one per recorded use of a
// field (once per distribution name in a part-based file); the record's
// field member holds the distribution's name.
#pragma once

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"

class aif_DistributionTable : public akw_Keyword {
 public:
  // `partBased`: the file is written with parts and an assembly.
  aif_DistributionTable(const kfdC_DiscreteField& field, const akw_DiscreteField& record,
                        bool partBased);
  aif_DistributionTable(const aif_DistributionTable&) = default;

  akw_Keyword* Clone() const override { return new aif_DistributionTable(*this); }
  // One table per instance name of the record, named INSTANCE_FIELD_Table, in
  // a flat file whose record names instances (model scope excepted); else one
  // table FIELD_Table. Each table is its keyword line and one line of the
  // record's column types joined by ", ". Throws aif_Exception naming the
  // field, before writing anything, when the record has no column type.
  void Write(utl_Stream& stream) const override;

 private:
  kfdC_DiscreteField field_;
  akw_DiscreteField record_;
  bool partBased_;
};
