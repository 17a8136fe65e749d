#include "aif/impl/sections/aif_TransverseShear.h"

#include <cfloat>

#include "QivBasicUtils/utl_Stream.h"

namespace {

bool ZeroOrUnset(double value) {
  return value == 0.0 || value == DBL_MAX;
}

}  // namespace

aif_TransverseShear::aif_TransverseShear(const kseC_TransverseShear& record)
    : shellForm_(true), k11_(record.k11), k22_(record.k22), k12_(record.k12), t3_(0.0) {
  if (k11_ == 0.0) k11_ = k22_;
  if (k22_ == 0.0) k22_ = k11_;
}

aif_TransverseShear::aif_TransverseShear(const kseC_TransverseShearBeam& record)
    : shellForm_(false),
      k11_(record.k11),
      k22_(record.k22),
      k12_(0.0),
      t3_(record.t3),
      beam_(record) {
  if (ZeroOrUnset(k11_)) k11_ = k22_;
  if (ZeroOrUnset(k22_)) k22_ = k11_;
  if (k11_ == DBL_MAX) k11_ = 0.0;
  if (k22_ == DBL_MAX) k22_ = 0.0;
}

void aif_TransverseShear::Write(utl_Stream& stream) const {
  stream << "*Transverse Shear" << endl;
  if (shellForm_) {
    stream << k11_ << ", " << k22_ << ", " << k12_ << endl;
    return;
  }
  switch (beam_->mode) {
    case 0:
      stream << ", , SCF";
      break;
    case 1:
      // An unset compensation factor leaves its column empty: the largest
      // double marks "not given" and is never a value.
      stream << k11_ << ", " << k22_ << ", ";
      if (t3_ != DBL_MAX) stream << t3_;
      break;
    case 2:
      stream << k11_ << ", " << k22_ << ", ";
      break;
    default:
      break;
  }
  stream << endl;
}
