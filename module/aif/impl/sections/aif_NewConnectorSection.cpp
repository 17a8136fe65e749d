#include "aif/impl/sections/aif_NewConnectorSection.h"

#include <cfloat>
#include <string>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_Utils.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_Orientation.h"
#include "aif/impl/sections/aif_Distribution.h"

namespace {

constexpr char kNewConnectorSectionFile[] = "module/aif/impl/aif_NewConnectorSection";

// `text` with its first `from` replaced by `to`;
// unchanged when it holds none.
std::string ReplaceFirst(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The connection-type line's text: the kernel's text shortened, then one
// name followed by "," or the two names joined by ", ".
std::string ConnectionTypeLine(const kseC_ConnectorSection& section) {
  std::string text = section.GetConnectionTypeAsString().Str();
  const int assembled = section.AssembledType();
  if (assembled == 10 || assembled == 3) text = ReplaceFirst(text, " J", "J");
  if (assembled == 8) text = ReplaceFirst(text, " R", "r");
  if (section.TranslationalType() == 6) text = ReplaceFirst(text, "Projection", "Proj");
  if (section.RotationalType() == 7)
    for (int i = 0; i < 2; ++i)
      text = ReplaceFirst(text, "Projection Flexion-Torsion", "Proj Flex-Tors");
  if (text.find(" + ") == std::string::npos) return text + ",";
  return ReplaceFirst(text, " + ", ", ");
}

// The error for a datum reference of the connector section `section` that
// names no datum coordinate system.
[[noreturn]] void ThrowUnresolvedDatum(const cow_String& section, const cow_String& datum,
                                       int line) {
  std::string text =
      atr_Translate(
          "The connector orientation of section %s names the datum %s, which is not a "
          "datum coordinate system of the model.")
          .Str();
  for (const std::string& arg : {section.Str(), datum.Str()}) {
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, arg);
  }
  nex_Exception::Throw(aif_Exception(cow_String(std::move(text))), kNewConnectorSectionFile, line);
}

}  // namespace

std::shared_ptr<const dtu_DatumCsys> aif_NewConnectorSection::ResolveCsys(
    const ftr_PrimaryObject* object, const cow_String& resolvingName,
    const dtmC_DatumRef& reference, const cow_String& section) {
  const dtmK_Datum kernelDatum(object, resolvingName, reference);
  std::unique_ptr<dtu_Datum> datum = kernelDatum.MakeDatum();
  auto* csys = datum ? dynamic_cast<dtu_DatumCsys*>(datum.get()) : nullptr;
  if (!csys) ThrowUnresolvedDatum(section, kernelDatum.GetFullName("-"), __LINE__);
  datum.release();
  return std::shared_ptr<const dtu_DatumCsys>(csys);
}

void aif_NewConnectorSection::CheckNamedDatums(const ftr_PrimaryObject* object,
                                               const cow_String& resolvingName) const {
  const dtmC_DatumRef& first = orientation_.FirstDatum();
  const dtmC_DatumRef& second = orientation_.SecondDatum();
  if (!first.IsNullRef()) ResolveCsys(object, resolvingName, first, behavior_);
  // The line names the second system unless the first orients both ends.
  if (!second.IsNullRef() && (first.IsNullRef() || !orientation_.OneOrientation()))
    ResolveCsys(object, resolvingName, second, behavior_);
}

aif_NewConnectorSection::aif_NewConnectorSection(cow_String behavior, cow_String elementSet,
                                                 const kseC_Section* section,
                                                 ptoC_ConnectorOrientation orientation,
                                                 akw_ModelInfo* info, bool discreteFastener)
    : behavior_(std::move(behavior)),
      elementSet_(std::move(elementSet)),
      section_(section),
      orientation_(std::move(orientation)),
      info_(info),
      discreteFastener_(discreteFastener) {}

aif_NewConnectorSection::aif_NewConnectorSection(
    cow_String behavior, cow_String elementSet, const kseC_Section* section,
    ptoC_ConnectorOrientation orientation, const cow_List<gsl_Matrix>& rotations,
    const ftr_PrimaryObject* object, const cow_String& resolvingName, akw_ModelInfo* info,
    aif_InstanceLabelLists labels, cow_String namePrefix, int nameIndex, int firstElement,
    akw_BuilderComponent& builder)
    : behavior_(std::move(behavior)),
      elementSet_(std::move(elementSet)),
      section_(section),
      orientation_(std::move(orientation)),
      info_(info),
      assembledFastener_(true),
      labels_(std::move(labels)),
      namePrefix_(std::move(namePrefix)),
      nameIndex_(nameIndex) {
  if (resolvingName.IsEmpty()) return;
  const bool firstNull = orientation_.FirstDatum().IsNullRef();
  const bool secondNull = orientation_.SecondDatum().IsNullRef();
  // Both datums are resolved before anything is filed: a failure leaves the
  // builder's lists as they were.
  std::shared_ptr<const dtu_DatumCsys> first, second;
  if (!firstNull) first = ResolveCsys(object, resolvingName, orientation_.FirstDatum(), behavior_);
  if (!secondNull)
    second = ResolveCsys(object, resolvingName, orientation_.SecondDatum(), behavior_);

  // A null first reference orients the first end by the global axes.
  akw_BuilderFiling::AddAssemblyDefinition(
      builder, aif_Orientation(GeneratedName("Orient-1-"), GeneratedName("OriDist-1-")));
  aif_Distribution firstAxes(GeneratedName("OriDist-1-"), nullptr, rotations, labels_, firstNull, 1,
                             info_);
  firstAxes.ShareCsys(first);
  if (firstElement > 0) firstAxes.StartLabelsAt(firstElement);
  akw_BuilderFiling::AddAssemblyDefinition(builder, firstAxes);
  if (second) {
    akw_BuilderFiling::AddAssemblyDefinition(
        builder, aif_Orientation(GeneratedName("Orient-2-"), GeneratedName("OriDist-2-")));
    aif_Distribution secondAxes(GeneratedName("OriDist-2-"), nullptr, rotations, labels_, false, 2,
                                info_);
    secondAxes.ShareCsys(second);
    if (firstElement > 0) secondAxes.StartLabelsAt(firstElement);
    akw_BuilderFiling::AddAssemblyDefinition(builder, secondAxes);
  }
}

cow_String aif_NewConnectorSection::GeneratedName(const char* kind) const {
  return namePrefix_ + kind + cow_String(std::to_string(nameIndex_));
}

void aif_NewConnectorSection::Write(utl_Stream& stream) const {
  const auto& section = nex_canDynamicCastRef<const kseC_ConnectorSection>(
      *section_, kNewConnectorSectionFile, __LINE__);
  if (discreteFastener_) aif_Comment("\n@DODOVE, object=discrete fastener").Write(stream);

  stream << "*Connector Section, elset=" << elementSet_;
  if (!kseC_Utils::IsConnectorSectionEmpty(section))
    (stream << ", ").OptionalLineBreak() << "behavior=" << akw_MorvexName(behavior_, false);
  stream << endl;
  stream << cow_String(ConnectionTypeLine(section)) << endl;

  bool orientationLine = false;
  WriteOrientationLine(stream, orientationLine);

  const int assembled = section.AssembledType();
  if (assembled == 8) {
    if (!orientationLine) stream << endl;
    stream << section.Type8First() << ", ";
    if (section.Type8Second() != DBL_MAX) stream << section.Type8Second();
    stream << endl;
  } else if ((assembled == 7 || section.RotationalType() == 6) && section.Type7Value() != 1.0) {
    if (!orientationLine) stream << endl;
    stream << section.Type7Value() << endl;
  }
}

void aif_NewConnectorSection::WriteOrientationLine(utl_Stream& stream, bool& written) const {
  const bool firstNull = orientation_.FirstDatum().IsNullRef();
  const bool secondNull = orientation_.SecondDatum().IsNullRef();
  if (assembledFastener_) {
    stream << akw_MorvexName(GeneratedName("Orient-1-"), false) << ", ";
    if (!secondNull) stream << akw_MorvexName(GeneratedName("Orient-2-"), false);
    stream << endl;
    written = true;
    return;
  }
  if (firstNull && secondNull) return;
  const auto& info =
      nex_canDynamicCastRef<aif_ModelInfo>(*info_, kNewConnectorSectionFile, __LINE__);
  const cow_String region = orientation_.RegionRef().Name();
  const auto secondName = [&] {
    return info.DatumCsysName(orientation_.SecondDatum(), orientation_.SecondAngle(),
                              region + "-2");
  };
  if (!firstNull) {
    stream << info.DatumCsysName(orientation_.FirstDatum(), orientation_.FirstAngle(),
                                 region + "-1");
    if (!orientation_.OneOrientation() && !secondNull)
      stream << ", " << secondName();
    else
      stream << ",";
  } else {
    stream << ", " << secondName();
  }
  stream << endl;
  written = true;
}
