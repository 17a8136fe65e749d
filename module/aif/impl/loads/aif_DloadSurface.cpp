// The surface writers of "*Dload": pressures (from an analytical or a
// discrete field), surface tractions and shell edge loads, all written
// element by element.
#include <vector>

#include "BasShared/cow_Map.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_Dload.h"

namespace {

constexpr char kDloadSurfaceFile[] = "module/aif/impl/loads/aif_DloadSurface.cpp";

// One element line of a discrete-field pressure, made before anything is
// written.
struct DloadDiscreteLine {
  cow_String prefix;
  int number = 0;
  cow_String label;
  double value = 0.0;
};

}  // namespace

void aif_Dload::WritePressure(utl_Stream& stream) const {
  nex_canDynamicCastRef<const kloC_Pressure>(*load_, kDloadSurfaceFile, __LINE__);
  const kloC_PressureState& state = load_->ConstGetState(step_);
  if (load_->Distribution() == 6) {
    WriteDiscretePressure(stream);
    return;
  }
  if (load_->Distribution() != 3) return;
  if (!load_->IsComplex()) {
    if (!status_.IsNew(state.Value(0).Status())) return;
    aif_FieldWalk walk;
    if (!EvaluateField(walk, 1002, "pressure")) return;
    WriteKeywordLine(stream, 0);
    WriteFieldLines(stream, walk, state.Value(0).Value(), "P", aif_Dload::kNoGravity, -1.0);
    return;
  }
  aif_FieldWalk walk;
  if (!EvaluateField(walk, 1002, "pressure")) return;
  for (int part = 1; part <= 2; ++part) {
    WriteKeywordLine(stream, part);
    WriteFieldLines(stream, walk, aif_ComplexPart(load_->ComplexValue(0), part), "P",
                    aif_Dload::kNoGravity, -1.0);
  }
}

// The value of every element comes from the discrete field's table named
// after the element's instance, looked up by the element's key in that table:
// its label when element labels are usable, else its position + 1 (the
// tables hold the mesh's own numbering, never the file's offsets). An element
// the table does not hold takes the field's first default value. A field
// the model lacks, a default needed but missing, and a table holding fewer
// values than its labels times the components leave the load out with a
// message.
void aif_Dload::WriteDiscretePressure(utl_Stream& stream) const {
  const kloC_PressureState& state = load_->ConstGetState(step_);
  const cow_String& fieldName = load_->FieldName();
  aif_FieldSubject subject;
  subject.kind = "pressure";
  subject.name = loadName_;
  const auto& fields = info_->ModelAdapter().DiscreteFields();
  if (!fields.Contains(fieldName)) {
    aif_FieldWalk::ReportFailure(subject, fieldName);
    return;
  }
  const auto& field = nex_canDynamicCastRef<const kfdC_DiscreteField>(fields.ConstGet(fieldName),
                                                                      kDloadSurfaceFile, __LINE__);
  const std::size_t components =
      field.ComponentCount() > 0 ? static_cast<std::size_t>(field.ComponentCount()) : 1;
  const double v = scale_ * state.Value(0).Value();

  rgnK_Region region(info_->Assembly(), info_->ModelName(), load_->Region());
  cow_Map<int, cow_List<int>> ids;
  cow_Map<int, cow_List<cow_String>> faces;
  const bool usable = info_->ElementLabelsUsable();
  region.GetElementIds(ids, &faces, 1000, usable, false);

  std::vector<DloadDiscreteLine> lines;
  for (const auto& [id, labels] : ids) {
    const int offset = info_->AssyElementOffsetsID(id);
    const cow_String instanceName = info_->FeatureName(static_cast<unsigned>(id));
    const cow_String prefix = aif_FieldWalk::Prefix(*info_, id);
    const kfdC_DataTable* table = nullptr;
    for (const kfdC_DataTable& candidate : field.DataTables())
      if (candidate.Name() == instanceName) {
        table = &candidate;
        break;
      }
    if (table && table->Values().Length() < table->Labels().Length() * components) {
      aif_FieldWalk::ReportFailure(subject, fieldName);
      return;
    }
    const cow_List<cow_String>* names = faces.Find(id);
    for (std::size_t i = 0; i < labels.Length(); ++i) {
      const long long position =
          table ? table->GetDomainPos(usable ? labels[i] : labels[i] + 1) : -1;
      double value = 0.0;
      if (position >= 0) {
        value = table->Values()[static_cast<std::size_t>(position) * components];
      } else if (!field.DefaultValues().IsEmpty()) {
        value = field.DefaultValues()[0];
      } else {
        aif_FieldWalk::ReportFailure(subject, fieldName);
        return;
      }
      DloadDiscreteLine line;
      line.prefix = prefix;
      line.number = labels[i] + offset;
      line.label = "P";
      line.value = value * v;
      if (names && i < names->Length()) {
        const cow_String& face = (*names)[i];
        if (face == "SPOS")
          line.value = -line.value;
        else if (face != "SNEG" && !face.IsEmpty())
          line.label += face.Str().back();
      }
      if (line.value != 0.0) lines.push_back(line);
    }
  }

  WriteKeywordLine(stream, 0);
  for (const DloadDiscreteLine& line : lines) {
    stream << line.prefix << line.number << ", " << line.label << ", " << line.value;
    stream.LineBreak();
  }
}

void aif_Dload::WriteSurfaceTraction(utl_Stream& stream) const {
  const auto& traction =
      nex_canDynamicCastRef<const kloC_SurfaceTraction>(*load_, kDloadSurfaceFile, __LINE__);
  static const char* const labels[] = {"TRVEC", "TRSHR", "", "", ""};
  const int kind = traction.TractionKind();
  WriteTraction(stream, kind >= 0 && kind < 5 ? labels[kind] : "", 1002, "surface traction");
}

void aif_Dload::WriteShellEdgeLoad(utl_Stream& stream) const {
  const auto& edge =
      nex_canDynamicCastRef<const kloC_ShellEdgeLoad>(*load_, kDloadSurfaceFile, __LINE__);
  static const char* const labels[] = {"EDNOR", "EDTRA", "EDSHR", "EDMOM", "EDLD"};
  const int kind = edge.TractionKind();
  WriteTraction(stream, kind >= 0 && kind < 5 ? labels[kind] : "", 1001, "shell edge load");
}

void aif_Dload::WriteTraction(utl_Stream& stream, const cow_String& baseLabel, int category,
                              const char* kind) const {
  const auto& traction =
      nex_canDynamicCastRef<const kloC_Traction>(*load_, kDloadSurfaceFile, __LINE__);
  const kloC_LoadState& state = load_->ConstGetState(step_);
  if (!load_->IsComplex() && !status_.IsNew(state.Value(0).Status())) return;
  aif_FieldWalk walk;
  if (!EvaluateField(walk, category, kind)) return;
  auto header = [&](int part) {
    WriteTractionKeywordLine(stream, part, !load_->Follower(), traction.ConstantResultant(),
                             traction.OrientationName(), traction.DatumRef(),
                             traction.OrientationNumber());
  };
  if (!load_->IsComplex()) {
    header(0);
    WriteFieldLines(stream, walk, state.Value(0).Value(), baseLabel, aif_Dload::kNoGravity, -1.0);
    return;
  }
  for (int part = 1; part <= 2; ++part) {
    header(part);
    WriteFieldLines(stream, walk, aif_ComplexPart(load_->ComplexValue(0), part), baseLabel,
                    aif_Dload::kNoGravity, -1.0);
  }
}
