#include "aif/impl/sections/aif_SubstructureProperty.h"

#include <initializer_list>

#include "ModKerLow/asoF_PartInstance.h"
#include "QivBasicUtils/utl_Stream.h"
#include "QivGeom/gsl_Util.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

void PrintValues(utl_Stream& stream, std::initializer_list<double> values) {
  bool first = true;
  for (double value : values) {
    if (!first) stream << ", ";
    first = false;
    stream.Print(value, 12, 15);
  }
  stream << endl;
}

}  // namespace

aif_SubstructureProperty::aif_SubstructureProperty(const asoF_PartInstance& instance,
                                                   aif_ModelInfo& info)
    : id_(instance.Id()),
      instance_(instance.Name()),
      transform_(instance.GetTransform()),
      info_(&info) {}

void aif_SubstructureProperty::Write(utl_Stream& stream) const {
  aif_ModelInfo::LabelTableType* table = info_->LabelTable();
  if (!table) return;
  const int id = static_cast<int>(id_);
  const auto* held = table->Find(id);
  if (!held || !*held || (*held)->Key() != id) return;
  const aif_ElementFileRecord& record = **held;

  cow_String elementSet = record.Name();
  if (record.Value() == 0) {
    // No set written so far is wholly the substructure: the record holds the
    // element type, which names no set. The file element gets a set of its own.
    elementSet = aif_PrintableComponent(instance_ + "_Substructure_");
    stream << "*Elset, elset=" << elementSet << endl << ' ' << record.FirstLabel() << ',' << endl;
  }
  stream << "*Substructure Property, ";
  stream.OptionalLineBreak(6 + elementSet.Length()) << "elset=" << elementSet << endl;

  const gsl_Vector t = transform_.GetTranslation();
  gsl_Point point;
  gsl_Vector axis;
  double angle = 0.0;
  transform_.GetAxisRotation(point, axis, angle);
  const gsl_Util& util = gsl_Util::Instance();
  const bool turned = angle > util.AngleTolerance();
  if (t.Magnitude() > util.LengthTolerance() || turned) PrintValues(stream, {t.x, t.y, t.z});
  if (turned)
    PrintValues(stream, {point.x, point.y, point.z, point.x + axis.x, point.y + axis.y,
                         point.z + axis.z, angle * 180.0 / 3.141592653589793});
}
