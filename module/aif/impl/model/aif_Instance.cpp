#include "aif/impl/model/aif_Instance.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasCoreUtils/VZLBasUtlFilePath.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "QivGeom/gsl_Util.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kInstanceFile[] = "module/aif/impl/aif_Instance";
constexpr double kPi = 3.141592653589793;

}  // namespace

aif_Instance::aif_Instance(const akw_Model& model, const asoF_PartInstance& instance)
    : aif_Instance(model, instance.GetPartName(), instance.Name(), instance.GetTransform()) {}

aif_Instance::aif_Instance(const akw_Model& model, const cow_String& partName,
                           const cow_String& instanceName, const gsl_Matrix& transform)
    : instanceName_(instanceName),
      partName_(partName),
      transform_(transform),
      model_(model.Clone()) {}

aif_Instance::aif_Instance(const akw_Model& model, const asoF_PartInstance& instance,
                           bool fromInitialState, const kpfC_Field& field)
    : aif_Instance(model, instance) {
  fromInitialState_ = fromInitialState;
  if (fromInitialState) field_ = cow_ArrayCOW<kpfC_Field>(field);
}

void aif_Instance::Write(utl_Stream& stream) const {
  aif_CheckWritableName(instanceName_, "instance");
  if (!fromInitialState_) aif_CheckWritableName(partName_, "part");
  stream << "*Instance";
  if (fromInitialState_) {
    const auto& field =
        nex_canDynamicCastRef<const kpfC_InitialState>(*field_, kInstanceFile, __LINE__);
    const kpfC_InitialStateState& state = field.ConstGetState(model_->InitialStepName());
    const VZLBasUtlFilePath library(state.JobName() + ".odb", cow_String());
    // The file-name form: a library name with a blank or a comma is quoted.
    stream << ", library=" << akw_MorvexName(library.Path(), true)
           << ", instance=" << akw_MorvexName(instanceName_, false);
    stream.LineBreak();
    return;
  }
  // Two long names put the part on the next line rather than past 256
  // characters.
  const cow_String part = akw_MorvexName(partName_, false).Printable();
  stream << ", name=" << akw_MorvexName(instanceName_, false).Printable() << ", ";
  stream.OptionalLineBreak(5 + part.Length()) << "part=" << part << endl;

  const gsl_Util& tolerances = gsl_Util::Instance();
  const gsl_Vector t = transform_.GetTranslation();
  gsl_Point p;
  gsl_Vector a;
  double angle = 0.0;
  transform_.GetAxisRotation(p, a, angle);
  const bool turns = angle > tolerances.AngleTolerance();
  if (t.Magnitude() > tolerances.LengthTolerance() || turns) {
    const double line[3] = {t.x, t.y, t.z};
    for (int i = 0; i < 3; ++i) {
      if (i > 0) stream << ", ";
      stream.Print(line[i], 12, 15);
    }
    stream << endl;
  }
  if (turns) {
    const double line[7] = {p.x, p.y, p.z, p.x + a.x, p.y + a.y, p.z + a.z, angle * 180.0 / kPi};
    for (int i = 0; i < 7; ++i) {
      if (i > 0) stream << ", ";
      stream.Print(line[i], 12, 15);
    }
    stream << endl;
  }
}
