// One CS_DEF block: a local coordinate system of the optimization parameter
// file, defined by a datum coordinate system of the model. Made by the
// coordinate-system builder, once per system the task's blocks name; copies
// share the evaluated system.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "aif/impl/model/aif_DatumCsys.h"

class ftr_PrimaryObject;

class aif_CsDef : public akw_Keyword {
 public:
  // Evaluates the datum `datum` in `object`; throws aif_Exception "Wrong
  // datum type. Expected CSYS." when it names a datum of another kind.
  // `blockName` is the system's identifier, written as it is.
  aif_CsDef(const ftr_PrimaryObject* object, const dtmC_DatumRef& datum,
            const cow_String& modelName, cow_String blockName);
  aif_CsDef(const aif_CsDef&) = default;
  akw_Keyword* Clone() const override { return new aif_CsDef(*this); }

  // "CS_DEF", "  ID_NAME = " the block name, the system's CS_TYPE to
  // ROTATION_321 lines and "END_". Nothing at all for an empty block name or
  // a system that does not resolve.
  void Write(utl_Stream& stream) const override;

  const aif_DatumCsys& Csys() const { return *csys_; }

 private:
  cow_COW<aif_DatumCsys> csys_;
  cow_String blockName_;
};
