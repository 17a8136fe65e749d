#include "aif/impl/materials/aif_MaterialOptionFrame.h"

#include "OdbAttrEO/kmaC_MaterialOption.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

utl_Stream& Separator(utl_Stream& stream) {
  return (stream << ", ").OptionalLineBreak();
}

}  // namespace

void aif_WriteOption(utl_Stream& stream, const char* text) {
  Separator(stream) << text;
}

void aif_WriteOption(utl_Stream& stream, const char* name, const cow_String& value) {
  if (value.IsEmpty()) return;
  Separator(stream) << name << value;
}

void aif_WriteOption(utl_Stream& stream, const char* name, int value) {
  Separator(stream) << name << value;
}

void aif_WriteOption(utl_Stream& stream, const char* name, double value) {
  Separator(stream) << name << value;
}

void aif_WriteDependencies(utl_Stream& stream, int dependencies) {
  if (dependencies > 0) aif_WriteOption(stream, "dependencies=", dependencies);
}

aif_DataLineTable aif_FrameTable(const kmaC_MaterialTable& table, int dependencies,
                                 bool temperature) {
  aif_DataLineTable lines(table, dependencies, temperature);
  if (!temperature && dependencies > 0)
    lines.InsertColumn(static_cast<int>(table.Columns()) - dependencies);
  return lines;
}

aif_DataLineTable aif_FrameTable(const kmaC_MaterialOption& option) {
  return aif_FrameTable(option.table, option.dependencies, option.temperatureDependency);
}

void aif_WriteFrameTable(utl_Stream& stream, const kmaC_MaterialTable& table, int dependencies,
                         bool temperature) {
  stream << aif_FrameTable(table, dependencies, temperature);
}

void aif_WriteFrameTable(utl_Stream& stream, const kmaC_MaterialOption& option) {
  stream << aif_FrameTable(option);
}

void aif_WritePlainTable(utl_Stream& stream, const kmaC_MaterialTable& table) {
  stream << aif_DataLineTable(table, 0, 0);
}

void aif_WriteIntegerLine(utl_Stream& stream, int value) {
  stream.Print(value, 7).Print(",").LineBreak();
}

void aif_WriteDependentKeyword(utl_Stream& stream, const char* keyword,
                               const kmaC_MaterialOption& option,
                               std::initializer_list<int> blanks) {
  stream << keyword;
  aif_WriteDependencies(stream, option.dependencies);
  stream.LineBreak();
  aif_DataLineTable lines = aif_FrameTable(option);
  for (int column : blanks)
    lines.InsertColumn(column);
  stream << lines;
}
