// "*Surface Property Assignment, property=GEOMETRIC CORRECTION" of Standard
// general contact: the smoothing of the surfaces the interaction builder
// found rotationally symmetric. Made on the stack by aif_ContactStd.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "aif/impl/interactions/aif_GeometricCorrection.h"

class aif_ModelInfo;

class aif_SmoothingAssignments : public akw_Keyword {
 public:
  // `interaction` is a kinC_ContactStd (tested when written); `info` must
  // outlive the keyword.
  aif_SmoothingAssignments(cow_COW<kinC_Interaction> interaction, const aif_ModelInfo& info,
                           cow_List<aif_GeometricCorrection> corrections);
  aif_SmoothingAssignments(const aif_SmoothingAssignments&) = default;

  akw_Keyword* Clone() const override { return new aif_SmoothingAssignments(*this); }
  // Nothing without corrections. Otherwise the keyword line and per record
  // "SURFACE, KIND" (the choice, or the kind found when no choice is made);
  // unless the kind is none, the first point follows (x, y in a
  // two-dimensional model; x, y, z in a three-dimensional one, then for a
  // circumferential kind ",  " and the second point). Kinds are told apart
  // whatever their letter case.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
  cow_List<aif_GeometricCorrection> corrections_;
};
