// What the output variable keywords ("*Node Output", "*Element Output",
// "*Energy Output", ...) share: sifting a request's variable names through
// the kernel's request table down to those of one keyword, and the end of
// their keyword line with the variable names after it.
#pragma once

#include <cstddef>
#include <functional>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_OdbRequestTable.h"

class utl_Stream;

// Whether a keyword writes a variable, from the table codes of the variable
// asked for; `direct`: the variable was named as itself, not through one of
// its components.
using aif_OutputVariableTest =
    std::function<bool(const korC_OdbRequestSpec& definition, bool direct)>;

// The names a keyword writes for `variables`, in order and each once: a name
// the table knows neither as a variable nor as a component in `procedure` is
// dropped, and so is one whose variable fails `keeps`. A kept name is
// written through its variable's name map when the map is not empty (as
// itself when the map has no entry for it); `asVariable` writes the variable
// a component belongs to instead of the component.
cow_List<cow_String> aif_SiftOutputVariables(const cow_List<cow_String>& variables,
                                             unsigned procedure,
                                             const aif_OutputVariableTest& keeps,
                                             bool asVariable = false);

// Ends a variable keyword's line: ", variable=PRESELECT" when `preselect`,
// else ", variable=ALL" when `all` (each after the option separator, which
// may break a long line), and the line end. Returns true, with only the line
// end written, when neither is set: the variable names follow.
bool aif_WriteOutputSelection(utl_Stream& stream, bool preselect, bool all);

// The variable names, `perLine` a line, separated by ", "; a list of one
// name keeps the ", " after it. Nothing for an empty list.
void aif_WriteOutputNames(utl_Stream& stream, const cow_List<cow_String>& names,
                          std::size_t perLine);

// ", " (which may break a long line), `option` and the printable form of
// `name`; nothing when `name` is empty.
void aif_WriteOutputNameOption(utl_Stream& stream, const char* option, const cow_String& name);
