// "*Dload": one distributed load in one step or load case, the keyword line
// and its data lines. Pressures, surface tractions and shell edge loads are
// written element by element from a field; body forces, line loads, gravity,
// rotational body forces, Coriolis forces and pipe pressures on the load's
// element set, or element by element when a field gives them. The load
// builder makes one per load and step (or load case); the keyword refers to
// the model's load, which outlives the write.
#pragma once

#include <cstddef>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "aif/impl/loads/aif_FieldWalk.h"
#include "aif/impl/loads/aif_LoadHeader.h"

class aif_ModelInfo;
class kloC_Load;
class kloC_LoadState;
class utl_Stream;
struct dtmC_DatumRef;
class gsl_Point;

class aif_Dload : public akw_Keyword {
 public:
  // `opFlag` clear: the keyword line carries ", op=NEW". `modelSpaceCode`:
  // 1 three-dimensional, 2 planar, 4 axisymmetric, 0 none known (taken as
  // three-dimensional). `setName` is the element set of the set lines;
  // `scaleFactor` multiplies every magnitude written; `loadName` names the
  // load in messages and in a datum system's orientation name.
  aif_Dload(const kloC_Load& load, const cow_String& stepName, bool opFlag,
            const cow_String& setName, int modelSpaceCode, const aif_ModelInfo& info, bool cyclic,
            int cyclicMode, double scaleFactor, const cow_String& loadName);

  aif_Dload* Clone() const override { return new aif_Dload(*this); }
  // An inactive load writes its keyword line alone. A kind this keyword does
  // not write throws nex_AssertException before anything is written. A
  // field that cannot be evaluated leaves out the whole keyword (the checking
  // messages say why) and the write goes on.
  void Write(utl_Stream& stream) const override;

  // "*Dload" with ", op=NEW", ", amplitude=", ", cyclic mode=" and ", real"
  // (part 1) or ", imaginary" (part 2) as they apply, and the line break.
  void WriteKeywordLine(utl_Stream& stream, int part) const;
  // The same pieces, then ", follower=NO", ", orientation=" (the name given,
  // else the datum system's name, else none) and ", constant
  // resultant=YES", and the line break. Throws nex_TextException for an
  // orientation name holding a line break.
  void WriteTractionKeywordLine(utl_Stream& stream, int part, bool notFollower,
                                bool constantResultant, const cow_String& orientationName,
                                const dtmC_DatumRef& datum, double orientationNumber) const;
  // "<set>, <label>, <scale * magnitude>"; nothing when that value is 0 and
  // `writeZero` is clear. The line is ended only when `lineBreak` is set.
  void WriteSetLine(utl_Stream& stream, double magnitude, const cow_String& label, bool lineBreak,
                    bool writeZero) const;
  // The same with member `i` of `instance` in place of the set name.
  void WriteElementLine(utl_Stream& stream, const aif_FieldWalk::Instance& instance, std::size_t i,
                        double magnitude, const cow_String& label, bool lineBreak,
                        bool writeZero) const;

  // The per-kind writers `Write` dispatches to.
  void WritePressure(utl_Stream& stream) const;
  void WriteSurfaceTraction(utl_Stream& stream) const;
  void WriteShellEdgeLoad(utl_Stream& stream) const;
  void WriteBodyForce(utl_Stream& stream) const;
  void WriteLineLoad(utl_Stream& stream) const;
  void WriteGravity(utl_Stream& stream) const;
  void WriteRotationalBodyForce(utl_Stream& stream) const;
  void WriteCoriolisForce(utl_Stream& stream) const;
  void WritePipePressure(utl_Stream& stream) const;

  // One line per evaluated element of `walk`: its reference, `baseLabel`
  // (with the face or edge number of a surface or edge load), scale *
  // magnitude * the field's value, and the kind's trailing fields. For
  // gravity `gravity` is the vector whose direction follows the value. Each
  // value is printed with `smallReal` as the smallest real (a negative one
  // lets every value through).
  void WriteFieldLines(utl_Stream& stream, const aif_FieldWalk& walk, double magnitude,
                       const cow_String& baseLabel, const double (&gravity)[3],
                       double smallReal) const;
  // ",x1,y1,z1" of the first axis point, then ",ux,uy,uz" of the unit axis
  // (",0.0,1.0,0.0" when axisymmetric).
  void WriteRotationAxis(utl_Stream& stream) const;
  void WriteCoriolisAxis(utl_Stream& stream) const;
  // The further values of a hydrostatic pipe pressure, then its fixed value.
  void WritePipeData(utl_Stream& stream, const kloC_LoadState& state) const;
  // The direction of the element lines of every kind but gravity.
  static constexpr double kNoGravity[3] = {0.0, 0.0, 0.0};
  // The smallest real printed beside a gravity of `magnitude`.
  static double GravitySmallReal(double magnitude) { return magnitude * 1e-9; }

 private:
  bool Is3D() const { return modelSpace_ == 0 || modelSpace_ == 1; }
  bool IsAxisymmetric() const { return modelSpace_ == 4; }
  aif_LoadHeaderPieces Pieces(int part) const;
  // Evaluates the load's analytical field over its region's elements of
  // `category`; false (message appended) when it cannot be evaluated.
  bool EvaluateField(aif_FieldWalk& walk, int category, const char* kind) const;
  // The trailing fields of one element line of the load's kind.
  void WriteTrailingFields(utl_Stream& stream, const double (&gravity)[3]) const;
  void WriteDiscretePressure(utl_Stream& stream) const;
  void WriteTraction(utl_Stream& stream, const cow_String& baseLabel, int category,
                     const char* kind) const;
  void WriteGravityLine(utl_Stream& stream, const double (&g)[3]) const;
  void WriteGravityDirection(utl_Stream& stream, const double (&g)[3], double length) const;
  void WriteAxis(utl_Stream& stream, const gsl_Point& first, const gsl_Point& second) const;
  void WriteComponentLoad(utl_Stream& stream, bool lineLoad) const;
  void WriteTurningLoad(utl_Stream& stream, const cow_String& label, float value,
                        const char* kind) const;

  const kloC_Load* load_;
  cow_String step_;
  cow_String setName_;
  cow_String loadName_;
  aif_LoadStatus status_;
  double scale_;
  int modelSpace_;
  const aif_ModelInfo* info_;
  bool cyclic_;
  int cyclicMode_;
};
