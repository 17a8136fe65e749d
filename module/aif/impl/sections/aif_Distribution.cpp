#include "aif/impl/sections/aif_Distribution.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/sections/aif_DiscreteFieldLines.h"

namespace {

constexpr char kDistributionFile[] = "module/aif/impl/sections/aif_Distribution";
constexpr double kSameDirection = 1e-5;
constexpr double kZero = 1e-12;

// The width of a default value or a row value of an unnamed table: the
// shortest text that reads back to the value, right-aligned in 12 characters
// for orientations, 6 for other data.
int WidthOf(const kfdC_DiscreteField& field) {
  return field.DataKind() == kfdC_DiscreteField::kOrientations ? 12 : 6;
}

std::size_t Components(const kfdC_DiscreteField& field) {
  return field.ComponentCount() > 0 ? static_cast<std::size_t>(field.ComponentCount()) : 0;
}

// The amount added to a stored label of `instance` to give the label the
// mesh block writes (see the header).
int LabelOffset(const aif_ModelInfo& info, const kfdC_DiscreteField& field,
                const cow_String& instance) {
  const bool nodes = field.Location() == kfdC_DiscreteField::kNodes;
  const bool usable = nodes ? info.NodeLabelsUsable() : info.ElementLabelsUsable();
  const int offset = nodes ? info.NodeOffset(instance) : info.ElementOffset(instance);
  return usable ? offset : offset - 1;
}

// `name` is printable already.
void WriteKeywordLine(utl_Stream& stream, const kfdC_DiscreteField& field, const cow_String& name,
                      const cow_String& table) {
  // Long names push the options onto further lines rather than past the
  // longest line the solver reads.
  const char* location =
      field.Location() == kfdC_DiscreteField::kNodes ? "location=NODE" : "location=ELEMENT";
  const cow_String tableName = akw_MorvexName(table, false).Printable();
  stream << "*Distribution, name=" << name << ", ";
  stream.OptionalLineBreak(std::strlen(location)) << location << ", ";
  stream.OptionalLineBreak(6 + tableName.Length()) << "Table=" << tableName;
  stream.LineBreak();
}

// The keyword line, the description and the default line.
void WriteHead(utl_Stream& stream, const kfdC_DiscreteField& field, const cow_String& name,
               const cow_String& table) {
  WriteKeywordLine(stream, field, name, table);
  aif_WriteFieldDescription(stream, field);
  const int width = WidthOf(field);
  const std::size_t components = Components(field);
  for (std::size_t i = 0; i < components; ++i) {
    stream.Write(", ", 2);
    aif_WriteReal(stream, field.DefaultValues()[i], width);
  }
  stream.LineBreak();
}

// One line per label of `table`: prefix + (label + offset), then the values,
// each the shortest text that reads back to it, right-aligned in the field's
// width when `padded`.
void WriteRows(utl_Stream& stream, const kfdC_DiscreteField& field, const kfdC_DataTable& table,
               const cow_String& prefix, int offset, bool padded) {
  const int width = padded ? WidthOf(field) : 0;
  const std::size_t components = Components(field);
  const cow_List<int>& labels = table.Labels();
  const cow_List<double>& values = table.Values();
  const std::size_t rows = labels.Length();
  const double* value = rows && components ? &values[0] : nullptr;
  for (std::size_t row = 0; row < rows; ++row) {
    if (!prefix.IsEmpty()) stream << prefix;
    stream.Print(static_cast<int>(static_cast<long long>(labels[row]) + offset), 0);
    for (std::size_t c = 0; c < components; ++c, ++value) {
      stream.Write(", ", 2);
      aif_WriteReal(stream, *value, width);
    }
    stream.LineBreak();
  }
}

// The row prefix that names `instance` from outside it.
cow_String QualifiedPrefix(const cow_String& instance) {
  return aif_QualifiedPrefix(instance);
}

bool IsPartScope(int scope) {
  return scope == akw_DiscreteField::kAssembly || scope == akw_DiscreteField::kModel;
}

void WriteAxis(utl_Stream& stream, const gsl_Vector& axis) {
  const double values[3] = {axis.x, axis.y, axis.z};
  for (int i = 0; i < 3; ++i) {
    stream.Write(i == 0 ? ",   " : ", ", i == 0 ? 4 : 2);
    if (std::fabs(values[i]) < kZero)
      stream.Write("0.", 2);
    else
      stream << values[i];
  }
}

}  // namespace

aif_Distribution::aif_Distribution(const kfdC_DiscreteField& field, const akw_DiscreteField& record,
                                   akw_ModelInfo* info)
    : field_(field), record_(record), info_(info) {}

aif_Distribution::aif_Distribution(cow_String name, const dtu_DatumCsys* csys,
                                   cow_List<gsl_Matrix> rotations, aif_InstanceLabelLists labels,
                                   bool fixedAxes, int kept, akw_ModelInfo* info)
    : info_(info),
      orientationForm_(true),
      name_(std::move(name)),
      csys_(csys),
      rotations_(std::move(rotations)),
      labels_(std::move(labels)),
      fixedAxes_(fixedAxes),
      kept_(kept) {}

void aif_Distribution::Write(utl_Stream& stream) const {
  if (orientationForm_) {
    WriteOrientationForm(stream);
    return;
  }
  aif_CheckFieldDefaults(field_, record_.field);
  aif_CheckFieldTables(field_, record_.field);
  if (record_.ownerKind == akw_DiscreteField::kModel)
    WriteModelForm(stream);
  else
    WriteFieldForm(stream);
}

void aif_Distribution::WriteFieldForm(utl_Stream& stream) const {
  const auto& info =
      nex_canDynamicCastRef<const aif_ModelInfo>(*info_, kDistributionFile, __LINE__);
  const bool partBased = info.IsPartBased();
  const int scope = record_.ownerKind;
  const cow_String& field = record_.field;
  const bool singleTable =
      field_.DataKind() == kfdC_DiscreteField::kOrientations && field_.SingleTable();
  if (singleTable && field_.DataTables().IsEmpty())
    throw aif_Exception("The discrete field " + field + " has no data table.");

  // The distributions by name, in the order first met, each with the
  // instances whose rows it holds: a name is defined once, even where two
  // instances give the same one (a dotted name of assembly scope).
  struct Definition {
    cow_String name;
    cow_String table;
    std::vector<cow_String> instances;
  };
  std::vector<Definition> definitions;
  const bool dotted = field.Find('.') != std::string::npos;
  bool first = true;
  for (const cow_String& instance : record_.users) {
    // The printable name: an instance's own distribution in the assembly is
    // qualified by the instance, each component made printable on its own.
    cow_String name, tablePrefix;
    if (scope == akw_DiscreteField::kAssembly && !instance.IsEmpty() && partBased && !dotted) {
      name = aif_QualifiedName({instance, field});
    } else {
      if (!partBased) tablePrefix = instance + "_";
      name = akw_MorvexName(tablePrefix + field, false).Printable();
    }
    if (scope != akw_DiscreteField::kAssembly && partBased && !first) continue;
    first = false;
    Definition* definition = nullptr;
    for (Definition& held : definitions)
      if (held.name == name) definition = &held;
    if (!definition) {
      definitions.push_back({name, tablePrefix + field + "_Table", {}});
      definition = &definitions.back();
    }
    bool held = false;
    for (const cow_String& other : definition->instances)
      held = held || other == instance;
    if (!held) definition->instances.push_back(instance);
  }

  for (const Definition& definition : definitions) {
    WriteHead(stream, field_, definition.name, definition.table);
    if (singleTable) {
      const int offset = record_.users.IsEmpty() ? 0 : LabelOffset(info, field_, record_.users[0]);
      WriteRows(stream, field_, field_.DataTables()[0], cow_String(), offset, true);
      continue;
    }
    for (const cow_String& instance : definition.instances) {
      const int offset = LabelOffset(info, field_, instance);
      for (const kfdC_DataTable& table : field_.DataTables()) {
        if (table.Name().IsEmpty()) {
          const bool qualified = partBased && IsPartScope(scope);
          WriteRows(stream, field_, table, qualified ? QualifiedPrefix(instance) : cow_String(),
                    offset, true);
        } else if (table.Name() == instance) {
          const bool qualified = partBased && IsPartScope(scope);
          WriteRows(stream, field_, table, qualified ? QualifiedPrefix(table.Name()) : cow_String(),
                    offset, false);
        }
      }
    }
  }
}

void aif_Distribution::WriteModelForm(utl_Stream& stream) const {
  const auto& info =
      nex_canDynamicCastRef<const aif_ModelInfo>(*info_, kDistributionFile, __LINE__);
  const bool partBased = info.IsPartBased();
  const cow_String& field = record_.field;
  WriteHead(stream, field_, akw_MorvexName(field, false).Printable(), field + "_Table");
  for (const kfdC_DataTable& table : field_.DataTables()) {
    if (table.Name().IsEmpty())
      WriteRows(stream, field_, table, cow_String(), 0, true);
    else
      WriteRows(stream, field_, table, partBased ? QualifiedPrefix(table.Name()) : cow_String(),
                LabelOffset(info, field_, table.Name()), false);
  }
}

void aif_Distribution::WriteOrientationForm(utl_Stream& stream) const {
  auto& info = nex_canDynamicCastRef<aif_ModelInfo>(*info_, kDistributionFile, __LINE__);
  stream << "*Distribution, name=" << akw_MorvexName(name_, false).Printable() << ", ";
  stream.OptionalLineBreak(std::strlen("location=ELEMENT")) << "location=ELEMENT, ";
  stream.OptionalLineBreak(std::strlen("table=_TM_Dist_Table")) << "table=_TM_Dist_Table";
  stream.LineBreak();

  int label = firstLabel_ > 0
                  ? firstLabel_ - 1
                  : static_cast<int>(info.ReserveElementLabels(cow_String(), 0) -
                                     static_cast<long long>(labels_.firstLabels.Length()));
  const int walks = labels_.count > 1 ? labels_.count : 1;
  bool haveDefault = false;
  gsl_Vector defaultA, defaultB;
  for (int walk = 0; walk < walks; ++walk) {
    for (const gsl_Matrix& rotation : rotations_) {
      ++label;
      gsl_Vector a(0, 0, 1), b(0, 0, 1);
      if (fixedAxes_) {
        a = gsl_Vector(1, 0, 0);
        b = gsl_Vector(0, 1, 0);
        a.RotateAndTransform(rotation);
        b.RotateAndTransform(rotation);
      } else if (csys_) {
        std::unique_ptr<dtu_DatumCsys> copy(csys_->Clone());
        copy->Transform(rotation);
        gsl_Point origin;
        gsl_Vector third;
        copy->Geometry(origin, a, b, third);
      }
      if (!haveDefault) {
        haveDefault = true;
        defaultA = a;
        defaultB = b;
        stream.Write(" ", 1);
      } else if (a.SameDirection(defaultA, kSameDirection) &&
                 b.SameDirection(defaultB, kSameDirection)) {
        continue;
      } else {
        stream.Print(label, 0);
      }
      WriteAxis(stream, a);
      WriteAxis(stream, b);
      stream.LineBreak();
    }
  }
}
