#include "aif/impl/steps/aif_Filter.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kFilterFile[] = "module/aif/impl/steps/aif_Filter.cpp";
constexpr int kFilterDefaultOrder = 2;
constexpr double kChebyshev1DefaultRipple = 0.225;
constexpr double kChebyshev2DefaultRipple = 0.025;

const char* FilterOperatorOption(int operation) {
  switch (operation) {
    case 1:
      return ", operator=MIN";
    case 2:
      return ", operator=MAX";
    case 3:
      return ", operator=ABSMAX";
    default:
      return "";
  }
}

const char* FilterInvariantOption(int invariant) {
  switch (invariant) {
    case 1:
      return ", invariant=FIRST";
    case 2:
      return ", invariant=SECOND";
    default:
      return "";
  }
}

}  // namespace

void aif_Filter::Write(utl_Stream& stream) const {
  const kflC_Filter& filter = *filter_;
  const unsigned type = filter.DynTypeId();

  stream << "*Filter, name=" << akw_MorvexName(name_, false);
  if (type == kflC_ButterworthFilter::TypeId())
    stream << ", type=BUTTERWORTH";
  else if (type == kflC_Chebyshev1Filter::TypeId())
    stream << ", type=CHEBYS1";
  else if (type == kflC_Chebyshev2Filter::TypeId())
    stream << ", type=CHEBYS2";
  stream << FilterOperatorOption(filter.Operation());
  if (filter.Limit() != kprC_UNSET) stream << ", limit=" << filter.Limit();
  if (filter.Halt()) stream << ", halt";
  stream << FilterInvariantOption(filter.Invariant());
  stream.LineBreak();
  if (type == kflC_OperatorFilter::TypeId()) return;

  if (filter.CutoffFrequency() != 0.0) stream << filter.CutoffFrequency();
  if (type == kflC_Chebyshev1Filter::TypeId()) {
    const double ripple =
        nex_canDynamicCastRef<const kflC_Chebyshev1Filter>(filter, kFilterFile, __LINE__)
            .RippleFactor();
    stream << ", ";
    if (ripple != kChebyshev1DefaultRipple) stream << ripple;
  } else if (type == kflC_Chebyshev2Filter::TypeId()) {
    const double ripple =
        nex_canDynamicCastRef<const kflC_Chebyshev2Filter>(filter, kFilterFile, __LINE__)
            .RippleFactor();
    stream << ", ";
    if (ripple != kChebyshev2DefaultRipple) stream << ripple;
  }
  if (filter.Order() != kFilterDefaultOrder) stream << ", " << filter.Order();
  stream.LineBreak();
}
