#include "aif/impl/materials/aif_GasketThicknessBehavior.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_GasketContactArea.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

namespace {

// The data lines of one direction: without a temperature column a blank one
// stands at `temperatureColumn`, ahead of the field variables.
void GasketThicknessBehaviorTable(utl_Stream& stream, const kmaC_MaterialTable& table,
                                  bool temperature, int temperatureColumn) {
  aif_DataLineTable lines(table, 0, 0);
  if (!temperature) lines.InsertColumn(temperatureColumn);
  stream << lines;
}

}  // namespace

void aif_GasketThicknessBehavior::Write(utl_Stream& stream) const {
  const kmaC_ThicknessBehavior& o = option_;
  const bool damage = o.type != 0;
  const cow_String variable =
      o.variable != kmaC_ThicknessBehavior::STRESS ? aif_EnumText(o.variable) : cow_String();

  stream << "*Gasket Thickness Behavior";
  if (o.dependencies != 0) aif_WriteOption(stream, "dependencies=", o.dependencies);
  if (o.tensileStiffnessFactor != 0.001)
    aif_WriteOption(stream, "tensile stiffness factor=", o.tensileStiffnessFactor);
  if (damage) aif_WriteOption(stream, "type=DAMAGE");
  aif_WriteOption(stream, "variable=", variable);
  if (o.yieldOnset == 0) {
    if (o.slopeDrop != 0.1) aif_WriteOption(stream, "slope drop=", o.slopeDrop);
  } else {
    aif_WriteOption(stream, "yield onset=", o.slopeDrop);
  }
  stream.LineBreak();
  GasketThicknessBehaviorTable(stream, o.table, o.temperatureDependency, 2);

  if (o.unloadingTable.Rows() > 0) {
    stream << "*Gasket Thickness Behavior, direction=UNLOADING";
    if (o.unloadingDependencies != 0)
      aif_WriteOption(stream, "dependencies=", o.unloadingDependencies);
    if (damage) aif_WriteOption(stream, "type=DAMAGE");
    aif_WriteOption(stream, "variable=", variable);
    stream.LineBreak();
    GasketThicknessBehaviorTable(stream, o.unloadingTable, o.unloadingTemperatureDependency, 3);
  }

  if (o.variable == kmaC_ThicknessBehavior::FORCE)
    aif_WriteSubOption<aif_GasketContactArea>(stream, o.contactArea);
}
