// "*Import": inside the definition of an instance whose initial state (deformed
// mesh and material state) comes from an earlier job's results file, the step
// and increment that state is taken from. Made by the instance builder from the
// first initial-state field that names the instance.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_Model.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kpfC_InitialState.h"

class aif_Import : public akw_Keyword {
 public:
  // Keeps a copy of `field` (a kpfC_InitialState; checked when written) and a
  // reference to `model`, the builder's model adapter, which outlives its
  // keywords. Copies share the field copy.
  aif_Import(const akw_Model& model, const kpfC_Field& field);
  aif_Import(const aif_Import&) = default;
  ~aif_Import() override;

  akw_Keyword* Clone() const override { return new aif_Import(*this); }
  // One line, from the field's state at the model's initial step:
  //   *Import[, step=S][, increment=I | , iteration=I | , interval=I], state=yes, update=yes|no
  // The increment option is named after the earlier job's results: product 0
  // counts iterations in a direct cyclic step and increments otherwise,
  // product 1 counts intervals, and other products take no increment. Only a
  // set increment makes the results file be read: the database the thread
  // holds open is used as it is, one opened here is closed again on every
  // path. Throws aif_Exception, before anything is written, when the results
  // file is missing ("Missing .odb file PATH") or lacks the set step among its
  // analysis steps ("Missing step S in .odb file PATH"); a field that is not an
  // initial state throws nex_TextException.
  void Write(utl_Stream& stream) const override;

 private:
  cow_ArrayCOW<kpfC_Field> field_;
  const akw_Model& model_;
};
