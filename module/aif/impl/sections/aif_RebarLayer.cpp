#include "aif/impl/sections/aif_RebarLayer.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "QivBasicUtils/utl_Stream.h"

aif_RebarLayer::aif_RebarLayer(const kseC_Rebar& rebar, cow_String orientation, bool membrane)
    : rebar_(&rebar), orientation_(std::move(orientation)), membrane_(membrane) {}

void aif_RebarLayer::WriteKeywordLine(utl_Stream& stream, const cow_String& orientation) const {
  stream << "*Rebar Layer";
  if (rebar_->geometry != 0)
    (stream << ", ").OptionalLineBreak()
        << "geometry=" << (rebar_->geometry == 1 ? "angular" : "lift equation");
  if (!orientation.IsEmpty())
    (stream << ", ").OptionalLineBreak() << "orientation=" << akw_MorvexName(orientation, false);
  stream.LineBreak();
}

void aif_RebarLayer::WriteLayer(utl_Stream& stream, const kseC_LayerProperties& layer) const {
  stream << akw_MorvexName(layer.layerName, false) << ", " << layer.r1 << ", "
         << (rebar_->geometry == 1 ? layer.r5 : layer.r3) << ", ";
  if (!membrane_) stream << layer.r4;
  stream << ", " << akw_MorvexName(layer.material, false) << ", ";
  if (layer.orientation.IsEmpty()) stream << layer.r2;
  stream << ", 1";
  if (rebar_->geometry != 0 && rebar_->geometry != 1)
    stream << ", " << layer.r6 << ", " << layer.r7;
  stream.LineBreak();
}

void aif_RebarLayer::Write(utl_Stream& stream) const {
  bool shared = false;
  for (const kseC_LayerProperties& layer : rebar_->layers)
    if (layer.orientation.IsEmpty()) {
      if (!shared) WriteKeywordLine(stream, orientation_);
      shared = true;
      WriteLayer(stream, layer);
    }
  for (const kseC_LayerProperties& layer : rebar_->layers)
    if (!layer.orientation.IsEmpty()) {
      WriteKeywordLine(stream, layer.orientation);
      WriteLayer(stream, layer);
    }
}
