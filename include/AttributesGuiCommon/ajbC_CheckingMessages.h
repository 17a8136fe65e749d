// The host's checking messages: warnings gathered while a job is prepared and
// shown to the user afterwards. One instance per process.
#pragma once

#include "BasShared/atr_String.h"
#include "BasShared/cow_List.h"

class ajbC_CheckingMessages {
 public:
  static ajbC_CheckingMessages& Instance();

  cow_List<atr_String>& Messages() { return messages_; }
  const cow_List<atr_String>& Messages() const { return messages_; }

 private:
  ajbC_CheckingMessages() = default;
  cow_List<atr_String> messages_;
};
