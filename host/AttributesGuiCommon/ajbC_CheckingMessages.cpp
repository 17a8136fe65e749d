#include "AttributesGuiCommon/ajbC_CheckingMessages.h"

ajbC_CheckingMessages& ajbC_CheckingMessages::Instance() {
  static ajbC_CheckingMessages messages;
  return messages;
}
