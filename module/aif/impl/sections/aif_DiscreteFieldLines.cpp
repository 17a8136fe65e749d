#include "aif/impl/sections/aif_DiscreteFieldLines.h"

#include <string_view>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

std::size_t Components(const kfdC_DiscreteField& field) {
  return field.ComponentCount() > 0 ? static_cast<std::size_t>(field.ComponentCount()) : 0;
}

}  // namespace

void aif_WriteFieldDescription(utl_Stream& stream, const kfdC_DiscreteField& field) {
  std::string_view text = field.Description().Str();
  if (text.empty()) return;
  std::string_view prefix = "** Description: ";
  for (;;) {
    const std::size_t end = text.find('\n');
    std::string_view piece = text.substr(0, end);
    if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
    aif_Comment::WriteLimitedLines(stream, prefix, piece);
    if (end == std::string_view::npos || end + 1 == text.size()) break;
    text.remove_prefix(end + 1);
    prefix = "** ";
  }
}

void aif_CheckFieldTables(const kfdC_DiscreteField& field, const cow_String& name) {
  const std::size_t components = Components(field);
  if (components == 0) return;
  for (const kfdC_DataTable& table : field.DataTables())
    if (table.Values().Length() / components < table.Labels().Length())
      throw aif_Exception(
          "The discrete field " + name + " holds fewer values than labels in " +
          (table.Name().IsEmpty() ? cow_String("a table") : "the table " + table.Name()) + ".");
}

void aif_CheckFieldDefaults(const kfdC_DiscreteField& field, const cow_String& name) {
  if (field.DefaultValues().Length() < Components(field))
    throw aif_Exception("The discrete field " + name +
                        " has fewer default values than components.");
}
