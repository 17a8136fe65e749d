// The host's checking messages: what was gathered while a job is prepared and
// shown to the user afterwards, in two lists: the messages (data left out of
// the file and why) and the warnings (remarks on data that was written, such
// as a mapping's notes). One instance per process.
#pragma once

#include "BasShared/atr_String.h"
#include "BasShared/cow_List.h"

class ajbC_CheckingMessages {
 public:
  static ajbC_CheckingMessages& Instance();

  cow_List<atr_String>& Messages() { return messages_; }
  const cow_List<atr_String>& Messages() const { return messages_; }
  cow_List<atr_String>& Warnings() { return warnings_; }
  const cow_List<atr_String>& Warnings() const { return warnings_; }

 private:
  ajbC_CheckingMessages() = default;
  cow_List<atr_String> messages_;
  cow_List<atr_String> warnings_;
};
