#include "aif/impl/sections/aif_ShellGeneralSection.h"

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kShellGeneralSectionFile[] = "module/aif/impl/aif_ShellGeneralSection";

constexpr int kPositionsPerLine = 8;

}  // namespace

aif_ShellGeneralSection::aif_ShellGeneralSection(cow_String elementSet, const kseC_Section& section,
                                                 cow_String orientation, cow_String controls,
                                                 double offset, cow_String stackDirection)
    : controls_(std::move(controls)),
      orientation_(std::move(orientation)),
      elementSet_(std::move(elementSet)),
      stackDirection_(std::move(stackDirection)),
      section_(section),
      offset_(offset) {}

void aif_ShellGeneralSection::Write(utl_Stream& stream) const {
  const kseC_Section& section = *section_;
  nex_canDynamicCastRef<const kseC_ShellSection>(section, kShellGeneralSectionFile, __LINE__);
  if (section.DynTypeId() == kseC_UserShellSection::TypeId())
    nex_Exception::Throw(aif_Exception(atr_Translate("Shell general section unimplemented")),
                         kShellGeneralSectionFile, __LINE__);
  if (section.DynTypeId() != kseC_GeneralStiffnessSection::TypeId()) return;
  const auto& general = nex_canDynamicCastRef<const kseC_GeneralStiffnessSection>(
      section, kShellGeneralSectionFile, __LINE__);
  // Short lists fail here, before the keyword has written a byte.
  (void)general.stiffness[20];
  if (general.thermalFlag) (void)general.thermal[5];

  stream << "*Shell General Section, elset=" << elementSet_;
  if (!orientation_.IsEmpty()) aif_Option(stream) << "orientation=" << orientation_;
  if (!controls_.IsEmpty()) aif_Option(stream) << "controls=" << controls_;
  if (general.densityFlag) aif_Option(stream) << "density=" << general.density;
  if (general.zero != DBL_MAX) aif_Option(stream) << "zero=" << general.zero;
  if (general.poissonFlag != 0) aif_Option(stream) << "poisson=" << general.poisson;
  if (general.thicknessModulus != DBL_MAX)
    aif_Option(stream) << "thickness modulus=" << general.thicknessModulus;
  if (!stackDirection_.IsEmpty()) aif_Option(stream) << "stack direction=" << stackDirection_;
  if (general.dependencies != 0) aif_Option(stream) << "dependencies=" << general.dependencies;
  stream.LineBreak();

  for (std::size_t i = 0; i < 16; ++i) {
    if (i % 8 != 0) stream << ", ";
    stream << general.stiffness[i];
    if (i % 8 == 7) stream.LineBreak();
  }
  for (std::size_t i = 16; i < 21; ++i)
    stream << general.stiffness[i] << ", ";
  stream.LineBreak();

  const cow_2DArray<double>& table = general.table;
  if (general.thermalFlag) {
    for (std::size_t i = 0; i < 6; ++i)
      stream << general.thermal[i] << ", ";
    stream.LineBreak();
  } else if (table.Rows() > 0) {
    stream.LineBreak();
  }
  for (std::size_t row = 0; row < table.Rows(); ++row) {
    int positions = 0;
    for (std::size_t column = 0; column < table.Columns(); ++column) {
      if (positions > 0) stream << ", ";
      if (column == 2 && !general.columnFlag) {
        stream << " , ";
        ++positions;
      }
      stream << table(row, column);
      if (++positions == kPositionsPerLine) {
        stream.LineBreak();
        positions = 0;
      }
    }
    // A row whose last line is full has been ended by the break already; a
    // second line end would be an empty data line, read as a row of its own.
    if (positions > 0 || table.Columns() == 0) stream.LineBreak();
  }
}
