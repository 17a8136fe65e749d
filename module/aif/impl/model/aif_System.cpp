#include "aif/impl/model/aif_System.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "QivBasicUtils/utl_Stream.h"

namespace {

// Points printed at width 12, precision 15, every coordinate joined by ",".
void WritePoints(utl_Stream& stream, std::initializer_list<gsl_Point> points) {
  bool first = true;
  for (const gsl_Point& p : points) {
    for (double value : {p.x, p.y, p.z}) {
      if (!first) stream << ",";
      stream.Print(value, 12, 15);
      first = false;
    }
  }
  stream << endl;
}

}  // namespace

void aif_System::Write(utl_Stream& stream) const {
  stream << "*System" << endl;

  gsl_Matrix m = transform_;
  const double eps = std::numeric_limits<double>::epsilon();
  gsl_Vector t = m.GetTranslation();
  const double largest = std::max({std::fabs(t.x), std::fabs(t.y), std::fabs(t.z)});
  for (double* c : {&t.x, &t.y, &t.z})
    if (std::fabs(*c) < largest * eps || std::fabs(*c) < eps) *c = 0.0;
  m.SetTranslation(t);
  if (m.IsIdentity()) return;

  const gsl_Point o = m.Transform({0, 0, 0});
  const gsl_Point x = m.Transform({1, 0, 0});
  const gsl_Point y = m.Transform({0, 1, 0});
  WritePoints(stream, {o, x});
  double aboutX = 0.0, aboutY = 0.0, aboutZ = 0.0;
  m.GetRotationAngles(aboutX, aboutY, aboutZ);
  if (aboutX != 0.0 || aboutY != 0.0) WritePoints(stream, {y});
}
