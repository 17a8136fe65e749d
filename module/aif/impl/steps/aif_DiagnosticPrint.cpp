#include "aif/impl/steps/aif_DiagnosticPrint.h"

#include "OdbAttrEO/kprC_StepRequests.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kDiagnosticPrintFile[] = "module/aif/impl/steps/aif_DiagnosticPrint.cpp";

// ", <option>YES" or ", <option>NO" when `value` differs from `reference`.
void WritePrintSwitch(utl_Stream& stream, const char* option, bool value, bool reference) {
  if (value != reference) stream << option << (value ? "YES" : "NO");
}

void WritePrintFrequency(utl_Stream& stream, int value, int reference) {
  if (value != reference) stream << ", frequency=" << value;
}

}  // namespace

void aif_DiagnosticPrint::Write(utl_Stream& stream) const {
  if (print_.IsNull() || inForce_.IsNull()) return;
  const kprC_DiagnosticPrint& print = *print_;
  const kprC_DiagnosticPrint& inForce = *inForce_;

  if (print.IsExplicit()) {
    const auto& request = nex_canDynamicCastRef<const kprC_ExplicitDiagnosticPrint>(
        print, kDiagnosticPrintFile, __LINE__);
    kprC_ExplicitDiagnosticPrint reference;
    if (inForce.IsExplicit()) {
      reference = nex_canDynamicCastRef<const kprC_ExplicitDiagnosticPrint>(
          inForce, kDiagnosticPrintFile, __LINE__);
      if (request == reference) return;
    }
    stream << "*Print";
    WritePrintSwitch(stream, ", allke=", request.Allke(), reference.Allke());
    WritePrintSwitch(stream, ", critical element=", request.CriticalElement(),
                     reference.CriticalElement());
    WritePrintSwitch(stream, ", etotal=", request.Etotal(), reference.Etotal());
    WritePrintSwitch(stream, ", dmass=", request.Dmass(), reference.Dmass());
  } else if (print.IsPerturbation()) {
    const auto& request = nex_canDynamicCastRef<const kprC_PerturbationDiagnosticPrint>(
        print, kDiagnosticPrintFile, __LINE__);
    if (inForce.IsStandard()) {
      const auto& general = nex_canDynamicCastRef<const kprC_StandardDiagnosticPrint>(
          inForce, kDiagnosticPrintFile, __LINE__);
      kprC_PerturbationDiagnosticPrint carried;
      carried.SetFrequency(general.Frequency());
      carried.SetSolve(general.Solve());
      if (request == carried) return;
    }
    // Compared with the defaults even when the print in force differs: a
    // perturbation step starts from them.
    const kprC_PerturbationDiagnosticPrint reference;
    stream << "*Print";
    WritePrintFrequency(stream, request.Frequency(), reference.Frequency());
    WritePrintSwitch(stream, ", solve=", request.Solve(), reference.Solve());
  } else if (print.IsStandard()) {
    const auto& request = nex_canDynamicCastRef<const kprC_StandardDiagnosticPrint>(
        print, kDiagnosticPrintFile, __LINE__);
    kprC_StandardDiagnosticPrint reference;
    if (inForce.IsStandard()) {
      reference = nex_canDynamicCastRef<const kprC_StandardDiagnosticPrint>(
          inForce, kDiagnosticPrintFile, __LINE__);
      if (request == reference) return;
    }
    stream << "*Print";
    WritePrintSwitch(stream, ", contact=", request.Contact(), reference.Contact());
    WritePrintFrequency(stream, request.Frequency(), reference.Frequency());
    WritePrintSwitch(stream, ", model change=", request.ModelChange(), reference.ModelChange());
    WritePrintSwitch(stream, ", plasticity=", request.Plasticity(), reference.Plasticity());
    WritePrintSwitch(stream, ", residual=", request.Residual(), reference.Residual());
    WritePrintSwitch(stream, ", solve=", request.Solve(), reference.Solve());
  } else {
    return;
  }
  stream.LineBreak();
}
