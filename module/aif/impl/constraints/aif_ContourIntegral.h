// "*Contour Integral": the contour integral output of a history output
// request on a crack, in one step. The crack builder makes one per request
// and step in which the request is written, after the request's comment:
//   XFEM form      the keyword line alone, ending ", xfem";
//   contour form   the keyword line with ", crack tip nodes", then the
//                  crack plane's normal line (when the crack gives a normal)
//                  and one line per crack-front segment: "front, tip", and,
//                  without a normal, the segment's unit q-vector.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_Output.h"
#include "QivGeom/gsl_ModelSegment.h"

class utl_Stream;

class aif_ContourIntegral : public akw_Keyword {
 public:
  // The contour types of a request.
  static constexpr int kJIntegral = 0;
  static constexpr int kCIntegral = 1;
  static constexpr int kTStress = 2;
  static constexpr int kKFactors = 3;

  // XFEM form: the request's contours, type and direction; its frequency in
  // `stepName` (0 where the request is switched off there, status 4); the
  // crack named by the request's crack name. `residualStressStep` is the
  // step's number (the initial step 0), -1 for none. The request name and
  // the crack are not needed by this form.
  aif_ContourIntegral(const korC_HistoryOutput& request, const cow_String& requestName,
                      const kefC_XFEMCrack& crack, const cow_String& stepName,
                      int residualStressStep);
  // Contour form: as above, the crack named requestName + "_" + the
  // request's crack name; its normal or q-vectors and symmetry from
  // `crack`. `fronts` and `tips` (of equal length) are the node sets of the
  // crack front's segments, written as they are given.
  aif_ContourIntegral(const korC_HistoryOutput& request, const cow_String& requestName,
                      const kefC_ContourIntegral& crack, const cow_String& stepName,
                      const cow_List<cow_String>& fronts, const cow_List<cow_String>& tips,
                      int residualStressStep);
  aif_ContourIntegral(const aif_ContourIntegral&) = default;
  ~aif_ContourIntegral() override = default;

  akw_Keyword* Clone() const override { return new aif_ContourIntegral(*this); }
  // The keyword line: ", crack name=" (printable, made so once the whole
  // name is formed), ", contours=", ", residual stress step=" (0 or more),
  // ", crack tip nodes", ", type=C|T-STRESS|K FACTORS", ", direction=" (K
  // factors with a direction), ", frequency=" (other than 1), ", symm",
  // ", normal", ", xfem". Unit vectors of zero length are written 0., 0.,
  // 0. Throws aif_Exception before writing anything when segments take
  // q-vectors and the crack has neither one q-vector nor one per segment,
  // and nex_TextException for a crack name with a control character.
  void Write(utl_Stream& stream) const override;

 private:
  void Check() const;

  bool xfem_ = false;
  cow_String contours_;
  cow_String crackName_;
  cow_String kernelCrackName_;  // the crack as the model names it, for errors
  int type_ = kJIntegral;
  int direction_ = 0;
  int frequency_ = 1;
  int residualStressStep_ = -1;
  bool normal_ = false;
  bool symm_ = false;
  gsl_ModelSegment normalDirection_;
  cow_List<gsl_ModelSegment> qVectors_;
  cow_List<cow_String> fronts_;
  cow_List<cow_String> tips_;
  bool crackTipNodes_ = false;
};
