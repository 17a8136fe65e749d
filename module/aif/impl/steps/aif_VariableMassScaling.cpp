#include "aif/impl/steps/aif_VariableMassScaling.h"

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/steps/aif_MassScalingLines.h"

namespace {

constexpr char kVariableMassScalingFile[] = "module/aif/impl/steps/aif_VariableMassScaling.cpp";

// The rolling direction selector that names no direction.
constexpr int kRollingNoDirection = 3;

}  // namespace

void aif_VariableMassScaling::Write(utl_Stream& stream) const {
  switch (scaling_.Application()) {
    case 3:
      aif_WriteMassScalingKind(stream, "Disable Throughout Step");
      stream << "*Variable Mass Scaling" << endl;
      return;
    case 1: {
      const int selector = scaling_.Direction();
      if (selector < 0 || selector > kRollingNoDirection)
        nex_Exception::Throw(
            aif_Exception(atr_Translate("Corrupted Explicit Dynamics step in input file writing")),
            kVariableMassScalingFile, __LINE__);
      aif_WriteMassScalingKind(stream, "Automatic");
      aif_WriteMassScalingLabel(stream, scaling_, regionName_);
      stream << "*Variable Mass Scaling";
      aif_WriteMassScalingElset(stream, scaling_, regionName_);
      stream << ", type=rolling, feed rate=" << scaling_.FeedRate() << ",";
      stream.LineBreak();
      stream << "extruded length=" << scaling_.ExtrudedLength()
             << ", cross section=" << scaling_.CrossSectionNodes();
      if (selector != kRollingNoDirection) stream << ", direction=" << selector + 1;
      aif_WriteMassScalingInterval(stream, scaling_);
      stream << endl;
      return;
    }
    case 0:
      aif_WriteMassScalingKind(stream, "Semi-Automatic");
      aif_WriteMassScalingLabel(stream, scaling_, regionName_);
      stream << "*Variable Mass Scaling";
      aif_WriteMassScalingElset(stream, scaling_, regionName_);
      aif_WriteMassScalingTarget(stream, scaling_);
      if (scaling_.Schedule() == 1) aif_WriteMassScalingInterval(stream, scaling_);
      stream << endl;
      return;
    default:
      // Variable scaling has no form for reinitializing the mass.
      return;
  }
}
