#include "aif/impl/core/aif_Exception.h"

#include "BasShared/atr_String.h"

aif_Exception::aif_Exception(cow_String message)
    : nex_TextException(message), message_(std::move(message)) {}

cow_String aif_Exception::AsString() const {
  return atr_TranslateWithArg("Input File Writing error: %s\n\nThe input file was not generated.",
                              message_);
}
