#include <algorithm>
#include <array>
#include <cfloat>
#include <cstddef>
#include <vector>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/loads/aif_FieldWalk.h"

namespace {

constexpr char kMechanicalInitialFile[] =
    "module/aif/impl/conditions/aif_InitialConditionsMechanical.cpp";

// The element category whose points are the element centroids.
constexpr int kHardeningCentroids = 1003;

// The axis of a rotating velocity: the first point a and the second point b.
// Outside three dimensions the axis is the normal through a (b = a + z).
struct RotationAxis {
  std::array<float, 3> a{0.0f, 0.0f, 0.0f};
  std::array<float, 3> b{0.0f, 0.0f, 1.0f};
};

RotationAxis VelocityAxis(const kpfC_Velocity& velocity, bool threeD) {
  RotationAxis axis;
  const cow_List<float>& first = velocity.FirstPoint();
  const cow_List<float>& second = velocity.SecondPoint();
  if (first.Length() >= 2) {
    axis.a[0] = first[0];
    axis.a[1] = first[1];
  }
  if (threeD) {
    if (first.Length() == 3) axis.a[2] = first[2];
    if (second.Length() >= 3) axis.b = {second[0], second[1], second[2]};
  } else {
    axis.b[0] = axis.a[0];
    axis.b[1] = axis.a[1];
  }
  return axis;
}

// The point line of a rotating velocity: the six coordinates, each followed
// by ", ".
void WriteVelocityAxisLine(utl_Stream& stream, const RotationAxis& axis) {
  for (float value : axis.a)
    stream << value << ", ";
  for (float value : axis.b)
    stream << value << ", ";
  stream.LineBreak();
}

// One line per velocity component: `name` (written by the caller), the
// component's label and its value; the third only in three dimensions.
template <class WriteName>
void WriteVelocityComponentLines(utl_Stream& stream, WriteName writeName,
                                 const std::array<double, 3>& components, bool threeD) {
  const int count = threeD ? 3 : 2;
  for (int i = 0; i < count; ++i) {
    writeName();
    stream << (i + 1) << ", " << components[static_cast<std::size_t>(i)];
    stream.LineBreak();
  }
}

// Refuses a hardening whose tables do not hold what its definition reads,
// before anything is written.
void CheckHardeningTables(const kpfC_Hardening& hardening) {
  const std::size_t backstresses =
      static_cast<std::size_t>(std::max(0, hardening.BackstressCount()));
  const cow_List<double>& values = hardening.Values();
  const cow_List<cow_List<double>>& table = hardening.Backstresses();
  bool enough = true;
  switch (hardening.Definition()) {
    case 0: {
      std::size_t components = 0;
      for (std::size_t row = 0; row < table.Length(); ++row)
        components += table[row].Length();
      enough = (backstresses == 0 || !values.IsEmpty()) && components >= 6 * backstresses;
      break;
    }
    case 1:
      enough = !values.IsEmpty();
      break;
    case 2:
    case 3: {
      const std::size_t rows = hardening.Definition() == 2 ? hardening.RebarNames().Length()
                                                           : hardening.SectionPoints().Length();
      const std::size_t perRow = hardening.Definition() == 2 ? backstresses : 3 * backstresses;
      enough = values.Length() >= rows && (perRow == 0 || table.Length() >= rows);
      for (std::size_t row = 0; enough && perRow > 0 && row < rows; ++row)
        enough = table[row].Length() >= perRow;
      break;
    }
    default:
      break;
  }
  if (!enough)
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg("The hardening initial condition %s has too few values.",
                                           hardening.Name())),
        kMechanicalInitialFile, __LINE__);
}

// The data lines of a hardening for one member named by `writeName`, its
// first values multiplied by `factor`.
template <class WriteName>
void WriteHardeningLines(utl_Stream& stream, const kpfC_Hardening& hardening, WriteName writeName,
                         double factor) {
  const std::size_t backstresses =
      static_cast<std::size_t>(std::max(0, hardening.BackstressCount()));
  const cow_List<double>& values = hardening.Values();
  const cow_List<cow_List<double>>& table = hardening.Backstresses();
  switch (hardening.Definition()) {
    case 0: {
      std::vector<double> components;
      for (std::size_t row = 0; row < table.Length(); ++row)
        for (std::size_t i = 0; i < table[row].Length(); ++i)
          components.push_back(table[row][i]);
      for (std::size_t k = 0; k < backstresses; ++k) {
        if (k == 0) {
          writeName();
          stream << ", " << values[0] * factor << ", ";
        }
        for (std::size_t i = 0; i < 6; ++i)
          stream << (i > 0 ? ", " : "") << components[6 * k + i];
        stream.LineBreak();
      }
      break;
    }
    case 1:
      writeName();
      stream << ", " << values[0] * factor;
      stream.LineBreak();
      break;
    case 2: {
      const cow_List<cow_String>& rebars = hardening.RebarNames();
      for (std::size_t r = 0; r < rebars.Length(); ++r) {
        for (std::size_t k = 0; k < backstresses; ++k) {
          if (k == 0) {
            writeName();
            stream << ", " << aif_PrintableName(rebars[r]) << ", " << values[r] * factor << ", ";
          }
          stream << table[r][k];
          stream.LineBreak();
        }
      }
      break;
    }
    case 3: {
      const cow_List<int>& points = hardening.SectionPoints();
      for (std::size_t p = 0; p < points.Length(); ++p) {
        for (std::size_t k = 0; k < backstresses; ++k) {
          if (k == 0) {
            writeName();
            stream << ", " << points[p] << ", " << values[p] * factor << ", ";
          }
          stream << table[p][3 * k] << ", " << table[p][3 * k + 1] << ", " << table[p][3 * k + 2];
          stream.LineBreak();
        }
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace

void aif_InitialConditions::WriteVelocity(utl_Stream& stream) const {
  const auto& velocity =
      nex_canDynamicCastRef<const kpfC_Velocity>(*field_, kMechanicalInitialFile, __LINE__);
  const bool threeD = velocity.Space() == 0 || velocity.Space() == 1;
  std::array<double, 3> components = velocity.Components();
  if (!threeD) components[2] = 0.0;
  const double rotation = velocity.Rotation();
  const RotationAxis axis = VelocityAxis(velocity, threeD);

  if (!velocity.IsAnalytical()) {
    WriteHeader(stream);
    if (velocity.IsRotatingVelocity()) {
      stream << regionName_ << ", " << rotation;
      for (double component : components)
        stream << ", " << component;
      stream << ", ";
      stream.LineBreak();
      WriteVelocityAxisLine(stream, axis);
    } else {
      WriteVelocityComponentLines(
          stream, [&] { stream << regionName_ << ", "; }, components, threeD);
    }
    return;
  }

  // Every node is evaluated before the keyword is begun; a field that cannot
  // be evaluated leaves the keyword line alone and says why in the checking
  // messages.
  aif_FieldWalk walk;
  const bool evaluated =
      walk.EvaluateNodes(Info(), velocity.Region(), velocity.DistributionFieldName(),
                         {"velocity", velocity.Name(), "predefined field"});
  WriteHeader(stream);
  if (!evaluated) return;
  for (const aif_FieldWalk::Instance& instance : walk.Instances()) {
    for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
      const double f = instance.values[i];
      auto writeNode = [&] {
        aif_FieldWalk::WriteReference(stream, instance, i);
        stream << ", ";
      };
      const std::array<double, 3> scaled{f * components[0], f * components[1], f * components[2]};
      if (velocity.IsRotatingVelocity() && f * rotation != 0.0) {
        writeNode();
        stream << f * rotation << ", " << scaled[0] << ", " << scaled[1] << ", " << scaled[2];
        stream.LineBreak();
        WriteVelocityAxisLine(stream, axis);
      } else {
        WriteVelocityComponentLines(stream, writeNode, scaled, threeD);
      }
    }
  }
}

void aif_InitialConditions::WriteStress(utl_Stream& stream) const {
  nex_canDynamicCastRef<const kpfC_InitialConditionFromFile>(*field_, kMechanicalInitialFile,
                                                             __LINE__);
  const auto& stress =
      nex_canDynamicCastRef<const kpfC_Stress>(*field_, kMechanicalInitialFile, __LINE__);
  const cow_String region = akw_MorvexName(regionName_, false).Printable();
  WriteHeader(stream);
  if (stress.Distribution() != 0) return;
  stream << region << ", ";
  const std::array<double, 6>& components = stress.Components();
  for (std::size_t i = 0; i < components.size(); ++i) {
    if (components[i] == DBL_MAX) continue;
    stream << components[i];
    if (i < 5) stream << ", ";
  }
  stream.LineBreak();
}

void aif_InitialConditions::WriteGeostaticStress(utl_Stream& stream) const {
  const auto& geostatic =
      nex_canDynamicCastRef<const kpfC_StressGeo>(*field_, kMechanicalInitialFile, __LINE__);
  const cow_String region = akw_MorvexName(regionName_, false).Printable();
  const std::array<double, 6>& n = geostatic.Numbers();
  WriteHeader(stream);
  stream << region << ", " << n[0] << ", " << n[2] << ", " << n[1] << ", " << n[3] << ", " << n[4]
         << ", " << (n[5] != DBL_MAX ? n[5] : n[4]);
  stream.LineBreak();
}

void aif_InitialConditions::WriteHardening(utl_Stream& stream) const {
  const auto& hardening =
      nex_canDynamicCastRef<const kpfC_Hardening>(*field_, kMechanicalInitialFile, __LINE__);
  CheckHardeningTables(hardening);

  if (!hardening.IsAnalytical()) {
    WriteHeader(stream);
    WriteHardeningLines(
        stream, hardening, [&] { stream << regionName_; }, 1.0);
    return;
  }

  // Every element is evaluated before the keyword is begun; a field that
  // cannot be evaluated leaves the keyword line alone and says why in the
  // checking messages.
  aif_FieldWalk walk;
  const bool evaluated =
      hardening.Definition() == 4 ||
      walk.EvaluateElements(Info(), hardening.Region(), hardening.DistributionFieldName(),
                            kHardeningCentroids,
                            {"hardening", hardening.Name(), "predefined field"});
  WriteHeader(stream);
  if (!evaluated) return;
  for (const aif_FieldWalk::Instance& instance : walk.Instances()) {
    for (std::size_t i = 0; i < instance.ids.Length(); ++i)
      WriteHardeningLines(
          stream, hardening, [&] { aif_FieldWalk::WriteReference(stream, instance, i); },
          instance.values[i]);
  }
}
