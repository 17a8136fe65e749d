// The element-average fluid initial conditions (velocity, density,
// turbulence, thermal energy) and the material volume fractions of Eulerian
// sections. Values distributed by a field are evaluated over every instance
// before a line is written: a field that cannot be evaluated leaves the
// header alone and one checking message.

#include <map>
#include <string>

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/loads/aif_FieldWalk.h"

namespace {

constexpr char kInitialFluidFile[] = "module/aif/impl/conditions/aif_InitialConditionsFluid.cpp";

// Thermal energy given uniformly, by an expression field, by a discrete field.
constexpr int kThermalUniform = 0;
constexpr int kThermalExpression = 1;
constexpr int kThermalDiscrete = 2;
// Element values are taken at the element centroids.
constexpr int kThermalCentroids = 1003;

// The Eulerian section assigned to the part of instance `id`, or null when
// the instance is missing or suppressed or its part has no such section.
const kseC_EulerianSection* VolumeFractionSection(const aif_ModelInfo& info, int id) {
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return nullptr;
  const asoF_PartInstance* instance =
      asoF_Utils::ConstGetPartInstance(assembly->ConstGetFeatureList(), static_cast<unsigned>(id));
  if (!instance || !instance->ActiveForSimulation()) return nullptr;
  const auto& sections = info.ModelAdapter().Sections();
  for (const cow_COW<kern_Object>& attribute :
       asoK_Assembly::GetOriginalPart(*instance).Attributes()) {
    if (attribute->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
    const auto& assignment = static_cast<const ptoC_SectionAssignment&>(*attribute);
    if (assignment.IsSuppressed() || !sections.Contains(assignment.SectionName())) continue;
    const kseC_Section& section = sections.ConstGet(assignment.SectionName());
    if (section.DynTypeId() == kseC_EulerianSection::TypeId())
      return &static_cast<const kseC_EulerianSection&>(section);
  }
  return nullptr;
}

// The name a material instance of instance `id` is written by: the name the
// Eulerian section gave it (in a flat file the instance's name, "." and the
// material instance's name, every "." made "_").
cow_String VolumeFractionMaterialName(const aif_ModelInfo& info, int id,
                                      const cow_String& materialInstance) {
  if (info.IsPartBased()) return aif_PrintableName(materialInstance);
  std::string flat = (info.FeatureName(static_cast<unsigned>(id)) + "." + materialInstance).Str();
  for (char& c : flat)
    if (c == '.') c = '_';
  return aif_PrintableName(cow_String(flat));
}

}  // namespace

void aif_InitialConditions::WriteFluidVelocity(utl_Stream& stream) const {
  const auto& velocity =
      nex_canDynamicCastRef<const kpfC_FluidVelocity>(*field_, kInitialFluidFile, __LINE__);
  WriteHeader(stream);
  for (int component = 0; component < 3; ++component) {
    stream << regionName_ << ", " << component + 1 << ", "
           << velocity.Components()[static_cast<std::size_t>(component)];
    stream.LineBreak();
  }
}

void aif_InitialConditions::WriteFluidDensity(utl_Stream& stream) const {
  const auto& density =
      nex_canDynamicCastRef<const kpfC_FluidDensity>(*field_, kInitialFluidFile, __LINE__);
  WriteHeader(stream);
  stream << regionName_ << ", " << density.Density();
  stream.LineBreak();
}

void aif_InitialConditions::WriteFluidTurbulence(utl_Stream& stream) const {
  const auto& turbulence =
      nex_canDynamicCastRef<const kpfC_FluidTurbulence>(*field_, kInitialFluidFile, __LINE__);
  const auto block = [&](const char* type, double value) {
    stream << "*Initial Conditions, type=" << type << ", Element Average";
    stream.LineBreak();
    stream << regionName_ << ", " << value;
    stream.LineBreak();
  };
  if (turbulence.Kind() == 1) {
    block("TURBNU", turbulence.Values()[0]);
  } else if (turbulence.Kind() == 2) {
    block("TURBKE", turbulence.Values()[1]);
    block("TURBEPS", turbulence.Values()[2]);
  }
}

void aif_InitialConditions::WriteFluidThermalEnergy(utl_Stream& stream) const {
  const auto& energy =
      nex_canDynamicCastRef<const kpfC_FluidThermalEnergy>(*field_, kInitialFluidFile, __LINE__);
  // Only the temperature form has a type: any other selector writes nothing,
  // never a header without one.
  if (energy.Selector() != 1) return;
  const int distribution = energy.EnergyDistribution();
  aif_FieldWalk walk;
  const aif_FieldSubject subject{"predefined field", energy.Name(), "predefined field"};
  bool evaluated = true;
  if (distribution == kThermalExpression)
    evaluated = walk.EvaluateElements(Info(), energy.Region(), energy.DistributionFieldName(),
                                      kThermalCentroids, subject);
  else if (distribution == kThermalDiscrete)
    evaluated = walk.EvaluateDiscreteElements(Info(), energy.Region(),
                                              energy.DistributionFieldName(), 1, subject);
  WriteHeader(stream);
  if (distribution == kThermalUniform) {
    stream << regionName_ << ", " << energy.Magnitude();
    stream.LineBreak();
    return;
  }
  if (!evaluated) return;
  const double factor = energy.Magnitude() * scale_;
  for (const aif_FieldWalk::Instance& instance : walk.Instances())
    for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
      aif_FieldWalk::WriteReference(stream, instance, i);
      stream << ", " << instance.values[i] * factor;
      stream.LineBreak();
    }
}

void aif_InitialConditions::WriteVolumeFraction(utl_Stream& stream) const {
  const auto& assignment =
      nex_canDynamicCastRef<const kpfC_MaterialAssignment>(*field_, kInitialFluidFile, __LINE__);
  const aif_ModelInfo& info = Info();
  // Each fraction field is evaluated over the region once, all of them
  // before the header: a field that fails writes no line at all.
  const aif_FieldSubject subject{"predefined field", assignment.Name(), "predefined field"};
  std::map<std::string, aif_FieldWalk> fractions;
  for (const auto& [material, fieldName] : assignment.FractionFields()) {
    (void)material;
    if (fieldName.IsEmpty() || fractions.count(fieldName.Str()) != 0) continue;
    aif_FieldWalk& walk = fractions[fieldName.Str()];
    if (!walk.EvaluateDiscreteElements(info, assignment.Region(), fieldName, 1, subject)) {
      WriteHeader(stream);
      return;
    }
  }
  WriteHeader(stream);
  if (fractions.empty()) return;
  // Every walk holds the region's elements in the same order.
  const std::vector<aif_FieldWalk::Instance>& elements = fractions.begin()->second.Instances();
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const aif_FieldWalk::Instance& instance = elements[k];
    const kseC_EulerianSection* section = VolumeFractionSection(info, instance.id);
    if (!section) continue;
    for (std::size_t i = 0; i < instance.ids.Length(); ++i)
      for (const auto& [material, unused] : section->materialInstances) {
        (void)unused;
        const cow_String* fieldName = assignment.FractionFields().Find(material);
        if (!fieldName || fieldName->IsEmpty()) continue;
        const double fraction = fractions[fieldName->Str()].Instances()[k].values[i];
        if (fraction == 0.0) continue;
        aif_FieldWalk::WriteReference(stream, instance, i);
        stream << ", " << VolumeFractionMaterialName(info, instance.id, material) << ", "
               << fraction;
        stream.LineBreak();
      }
  }
}
