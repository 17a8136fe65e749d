#include "aif/impl/sections/aif_ShellSection.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_RebarLayer.h"
#include "aif/impl/sections/aif_SolidSection.h"

namespace {

constexpr char kShellSectionFile[] = "module/aif/impl/aif_ShellSection";

const char* LayerOptionText(int option) {
  switch (option) {
    case 1:
      return "smear all layers";
    case 2:
      return "membrane only";
    case 3:
      return "bending only";
    case 4:
      return "smear keep core";
    default:
      return nullptr;
  }
}

}  // namespace

aif_ShellSection::aif_ShellSection(cow_String elementSet, const kseC_Section& section,
                                   cow_String orientation, cow_String rebarOrientation,
                                   cow_String controls, double offset,
                                   const akw_ModelInfo& modelInfo, cow_String stackDirection,
                                   cow_String plyOrientationPrefix, cow_String offsetDistribution,
                                   cow_String namePrefix, cow_String thicknessDistribution,
                                   bool nodalThickness)
    : controls_(std::move(controls)),
      orientation_(std::move(orientation)),
      namePrefix_(std::move(namePrefix)),
      thicknessDistribution_(std::move(thicknessDistribution)),
      rebarOrientation_(std::move(rebarOrientation)),
      plyOrientationPrefix_(std::move(plyOrientationPrefix)),
      offsetDistribution_(std::move(offsetDistribution)),
      elementSet_(std::move(elementSet)),
      stackDirection_(std::move(stackDirection)),
      section_(section),
      offset_(offset),
      nodalThickness_(nodalThickness),
      modelInfo_(&modelInfo) {}

void aif_ShellSection::Write(utl_Stream& stream) const {
  const kseC_Section& section = *section_;
  nex_canDynamicCastRef<const kseC_ShellSection>(section, kShellSectionFile, __LINE__);
  const unsigned kind = section.DynTypeId();
  if (kind == kseC_UserShellSection::TypeId() || kind == kseC_GeneralShellSection::TypeId())
    nex_Exception::Throw(aif_Exception(atr_Translate("Shell general section unimplemented")),
                         kShellSectionFile, __LINE__);
  const bool composite = kind == kseC_CompositeShellSection::TypeId();
  if (!composite && kind != kseC_HomogenousShellSection::TypeId()) return;

  const auto& shell =
      nex_canDynamicCastRef<const kseC_GeometryShellSection>(section, kShellSectionFile, __LINE__);
  const bool partBased =
      nex_canDynamicCastRef<const aif_ModelInfo>(*modelInfo_, kShellSectionFile, __LINE__)
          .IsPartBased();
  // Names composed here are made printable once, as a whole, before anything
  // is written: a name that cannot be written stops the keyword untouched.
  cow_String offsetName;
  if (offset_ == 0.0 && !offsetDistribution_.IsEmpty()) {
    offsetName = offsetDistribution_;
    if (!partBased && !namePrefix_.IsEmpty() && !(offsetName == "SPOS") && !(offsetName == "SNEG"))
      offsetName = namePrefix_ + "_" + offsetName;
    offsetName = akw_MorvexName(offsetName, false).Printable();
  }
  const bool nodal = shell.thicknessType == 3 || shell.thicknessType == 4 || nodalThickness_;
  cow_String thicknessName;
  if (!nodal && (shell.thicknessType == 1 || shell.thicknessType == 2)) {
    if (!thicknessDistribution_.IsEmpty())
      thicknessName = akw_MorvexName(thicknessDistribution_, false).Printable();
    else
      thicknessName =
          akw_MorvexName(
              partBased ? shell.thicknessField : namePrefix_ + "_" + shell.thicknessField, false)
              .Printable();
  }

  stream << (shell.general ? "*Shell General Section, elset=" : "*Shell Section, elset=")
         << elementSet_;
  const kseC_HomogenousShellSection* homogeneous = nullptr;
  if (composite) {
    aif_Option(stream) << "composite";
  } else {
    homogeneous = &nex_canDynamicCastRef<const kseC_HomogenousShellSection>(
        section, kShellSectionFile, __LINE__);
    aif_Option(stream) << "material=" << akw_MorvexName(homogeneous->material, false);
  }
  if (!orientation_.IsEmpty()) aif_Option(stream) << "orientation=" << orientation_;
  if (!controls_.IsEmpty()) aif_Option(stream) << "controls=" << controls_;
  if (shell.temperatureMode == 1) aif_Option(stream) << "temperature=" << shell.temperaturePoints;
  if (shell.integrationRule != 0 && !shell.general)
    aif_Option(stream) << "section integration="
                       << omu_PrimEnum<kseC_GeometryShellSection::IntegrationRuleEnm>(
                              shell.integrationRule)
                              .GetString();
  if (shell.poissonFlag != 0) aif_Option(stream) << "poisson=" << shell.poisson;
  if (shell.thicknessModulus != DBL_MAX)
    aif_Option(stream) << "thickness modulus=" << shell.thicknessModulus;
  if (offset_ != 0.0)
    aif_Option(stream) << "offset=" << offset_;
  else if (!offsetName.IsEmpty())
    aif_Option(stream, 7 + offsetName.Str().size()) << "offset=" << offsetName;
  if (shell.densityFlag) aif_Option(stream) << "density=" << shell.density;
  if (nodal)
    aif_Option(stream) << "nodal thickness";
  else if (shell.thicknessType == 1 || shell.thicknessType == 2)
    aif_Option(stream, 16 + thicknessName.Str().size()) << "shell thickness=" << thicknessName;
  if (!stackDirection_.IsEmpty()) aif_Option(stream) << "stack direction=" << stackDirection_;
  if (shell.general)
    if (const char* text = LayerOptionText(shell.layerOption)) aif_Option(stream) << text;
  const kseC_CompositeShellSection* layered = nullptr;
  if (composite) {
    layered = &nex_canDynamicCastRef<const kseC_CompositeShellSection>(section, kShellSectionFile,
                                                                       __LINE__);
    if (!layered->layup.IsEmpty())
      aif_Option(stream) << "layup=" << akw_MorvexName(layered->layup, false).Printable();
    if (layered->symmetric) aif_Option(stream) << "symmetric";
  }
  stream.LineBreak();

  if (homogeneous) {
    if (shell.thicknessType == 0)
      stream << homogeneous->thickness;
    else
      stream << 1.0;
    stream << ", ";
    if (!shell.general) stream << homogeneous->numIntPoints;
    stream.LineBreak();
  } else {
    std::size_t index = 0;
    for (const kseC_Layer& ply : layered->layers)
      aif_WriteCompositePly(stream, ply, index++, plyOrientationPrefix_, true, !shell.general);
  }
  if (const kseC_Rebar* rebar = shell.Rebar())
    aif_RebarLayer(*rebar, rebarOrientation_, false).Write(stream);
}
