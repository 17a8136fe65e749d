// The host framework's check control: a control registers checks in its
// constructor (AddCheck keeps a clone of each, under the check's class name);
// the host then runs them in order and reports each check's lists under its
// name, with the control's own error list.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "BasShared/atr_String.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kut_Check.h"

class kut_CheckControl {
 public:
  kut_CheckControl();
  kut_CheckControl(const kut_CheckControl&) = delete;
  kut_CheckControl& operator=(const kut_CheckControl&) = delete;
  virtual ~kut_CheckControl();

  // Runs every registered check once, in the order of registration.
  void RunChecks();

  std::size_t CheckCount() const { return checks_.size(); }
  // The class name of the `index`th registered check ("chk_StepCheck").
  const cow_String& CheckName(std::size_t index) const { return names_[index]; }
  const kut_Check& RegisteredCheck(std::size_t index) const { return *checks_[index]; }
  // The findings of the control itself.
  const cow_List<atr_String>& Errors() const { return errors_; }

 protected:
  // Keeps a clone of `check` (an allocation failure leaves the registered
  // checks as they were).
  void AddCheck(const kut_Check& check);
  cow_List<atr_String>& ErrorList() { return errors_; }

 private:
  std::vector<std::unique_ptr<kut_Check>> checks_;
  std::vector<cow_String> names_;
  cow_List<atr_String> errors_;
};

// The class name of `check`'s dynamic type.
cow_String kut_CheckClassName(const kut_Check& check);
