#include "aif/impl/sections/aif_SolidSection.h"

#include <charconv>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kSolidSectionFile[] = "module/aif/impl/aif_SolidSection";

}  // namespace

aif_SolidSection::aif_SolidSection(cow_String elementSet, const kseC_Section& section,
                                   cow_String orientation, cow_String controls,
                                   cow_String stackDirection, cow_String plyOrientationPrefix)
    : controls_(std::move(controls)),
      orientation_(std::move(orientation)),
      elementSet_(std::move(elementSet)),
      stackDirection_(std::move(stackDirection)),
      plyOrientationPrefix_(std::move(plyOrientationPrefix)),
      section_(section) {}

void aif_WriteCompositePly(utl_Stream& stream, const kseC_Layer& ply, std::size_t index,
                           const cow_String& plyOrientationPrefix, bool distributedThickness,
                           bool writePoints) {
  if (distributedThickness && ply.thicknessFlag == 1)
    stream << akw_MorvexName(ply.thicknessDistribution, false).Printable();
  else
    stream << ply.thickness;
  stream << ", ";
  if (writePoints) stream << ply.numIntPoints;
  stream << ", " << akw_MorvexName(ply.material, false).Printable() << ", ";
  if (!ply.datum.IsNullRef()) {
    // The name is composed first and made printable as a whole, exactly as
    // the builder names the orientation it generates for the ply.
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, index + 1).ptr;
    const cow_String name =
        plyOrientationPrefix + cow_String(digits, static_cast<std::size_t>(end - digits));
    stream << akw_MorvexName(name, false).Printable();
  } else if (ply.additionalRotationKind == 2) {
    stream << akw_MorvexName(ply.rotationDistribution, false).Printable();
  } else if (ply.orientation.IsEmpty()) {
    stream << ply.orientationAngle;
  } else {
    stream << akw_MorvexName(ply.orientation, false).Printable();
  }
  if (!ply.plyName.IsEmpty()) stream << ", " << akw_MorvexName(ply.plyName, false).Printable();
  stream.LineBreak();
}

void aif_SolidSection::Write(utl_Stream& stream) const {
  const kseC_Section& section = *section_;
  const unsigned kind = section.DynTypeId();
  if (kind == kseC_HomogenousSolidSection::TypeId() ||
      kind == kseC_CompositeSolidSection::TypeId()) {
    nex_canDynamicCastRef<const kseC_SolidSection>(section, kSolidSectionFile, __LINE__);
    const bool composite = kind == kseC_CompositeSolidSection::TypeId();
    stream << "*Solid Section, elset=" << elementSet_;
    if (composite) aif_Option(stream) << "composite";
    if (!orientation_.IsEmpty()) aif_Option(stream) << "orientation=" << orientation_;
    if (!controls_.IsEmpty()) aif_Option(stream) << "controls=" << controls_;
    if (!stackDirection_.IsEmpty()) aif_Option(stream) << "stack direction=" << stackDirection_;
    if (!composite) {
      const auto& solid = nex_canDynamicCastRef<const kseC_HomogenousSolidSection>(
          section, kSolidSectionFile, __LINE__);
      aif_Option(stream) << "material=" << akw_MorvexName(solid.material, false);
      stream.LineBreak();
      if (solid.thickness != DBL_MAX) stream << solid.thickness;
      stream << ",";
      stream.LineBreak();
      return;
    }
    const auto& layered = nex_canDynamicCastRef<const kseC_CompositeSolidSection>(
        section, kSolidSectionFile, __LINE__);
    if (!layered.layup.IsEmpty())
      aif_Option(stream) << "layup=" << akw_MorvexName(layered.layup, false).Printable();
    if (layered.symmetric) aif_Option(stream) << "symmetric";
    stream.LineBreak();
    std::size_t index = 0;
    for (const kseC_Layer& ply : layered.layers)
      aif_WriteCompositePly(stream, ply, index++, plyOrientationPrefix_, false, true);
    return;
  }
  if (kind == kseC_HomogenousFluidSection::TypeId()) {
    nex_canDynamicCastRef<const kseC_FluidSection>(section, kSolidSectionFile, __LINE__);
    const auto& fluid = nex_canDynamicCastRef<const kseC_HomogenousFluidSection>(
        section, kSolidSectionFile, __LINE__);
    stream << "*Solid Section, elset=" << elementSet_;
    aif_Option(stream) << "material=" << akw_MorvexName(fluid.material, false);
    stream.LineBreak();
    stream << ",";
    stream.LineBreak();
    return;
  }
  if (kind == kseC_TrussSection::TypeId()) {
    const auto& truss =
        nex_canDynamicCastRef<const kseC_TrussSection>(section, kSolidSectionFile, __LINE__);
    stream << "*Solid Section, elset=" << elementSet_;
    aif_Option(stream) << "material=" << akw_MorvexName(truss.material, false);
    stream.LineBreak();
    stream << truss.area << ",";
    stream.LineBreak();
    return;
  }
  nex_Exception::Throw(aif_Exception(atr_Translate("Neither solid nor truss section type")),
                       kSolidSectionFile, __LINE__);
}
