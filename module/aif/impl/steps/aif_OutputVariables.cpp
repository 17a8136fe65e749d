#include "aif/impl/steps/aif_OutputVariables.h"

#include <cstring>

#include "QivBasicUtils/thr_ThreadSingleton.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_NameRoutines.h"

cow_List<cow_String> aif_SiftOutputVariables(const cow_List<cow_String>& variables,
                                             unsigned procedure,
                                             const aif_OutputVariableTest& keeps, bool asVariable) {
  const korC_OdbRequestTable& table = thr_ThreadSingleton<korC_OdbRequestTable>::Instance();
  cow_List<cow_String> names;
  for (const cow_String& name : variables) {
    cow_String request = name;
    bool direct = true;
    if (!table.IsParentRequest(name, procedure)) {
      if (!table.IsComponentRequest(name, procedure)) continue;
      request = table.RequestFromComponent(name, procedure);
      direct = false;
    }
    const korC_OdbRequestSpec definition = table.Request(request, procedure);
    if (!keeps(definition, direct)) continue;
    const cow_String& asked = asVariable ? request : name;
    const cow_String* mapped =
        definition.NameMap().IsEmpty() ? nullptr : definition.NameMap().Find(asked);
    names.AppendUnlessMember(mapped ? *mapped : asked);
  }
  return names;
}

bool aif_WriteOutputSelection(utl_Stream& stream, bool preselect, bool all) {
  if (preselect) {
    aif_Option(stream) << "variable=PRESELECT" << endl;
    return false;
  }
  if (all) {
    aif_Option(stream) << "variable=ALL" << endl;
    return false;
  }
  stream.LineBreak();
  return true;
}

void aif_WriteOutputNames(utl_Stream& stream, const cow_List<cow_String>& names,
                          std::size_t perLine) {
  const std::size_t count = names.Length();
  for (std::size_t i = 0; i < count; ++i) {
    stream << names[i];
    const bool last = i + 1 == count;
    if (count == 1) stream << ", ";
    if (last || (i + 1) % perLine == 0)
      stream.LineBreak();
    else
      stream << ", ";
  }
}

void aif_WriteOutputNameOption(utl_Stream& stream, const char* option, const cow_String& name) {
  if (name.IsEmpty()) return;
  const cow_String printable = aif_PrintableName(name);
  aif_Option(stream, std::strlen(option) + printable.Length()) << option << printable;
}
