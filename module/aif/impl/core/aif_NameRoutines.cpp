#include "aif/impl/core/aif_NameRoutines.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/tri_MeshFromFacets.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kNameRoutinesFile[] = "module/aif/impl/aif_NameRoutines";

bool IsQuoted(std::string_view name) {
  return name.size() > 2 && name.front() == '"' && name.back() == '"';
}

// The text after the last "." outside double quotes, the whole name when it
// has none ("I.\"_a.b_\"" -> "\"_a.b_\"").
std::string_view LastComponent(std::string_view name) {
  std::size_t start = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '"') quoted = !quoted;
    if (name[i] == '.' && !quoted) start = i + 1;
  }
  return name.substr(start);
}

}  // namespace

bool aif_IsQuotedName(const cow_String& name) {
  return IsQuoted(name.View());
}

cow_String aif_UnquoteName(const cow_String& name) {
  return IsQuoted(name.View()) ? name.Substr(1, name.Length() - 2) : name;
}

void aif_SplitQualifiedName(const cow_String& name, cow_String& prefix, cow_String& last) {
  const std::string_view text = name.View();
  if (text.empty()) return;
  const std::size_t dot = text.rfind('.');
  if (dot == std::string_view::npos) {
    last = name;
    return;
  }
  prefix += cow_String(text.substr(0, dot + 1));
  last = cow_String(text.substr(dot + 1));
}

cow_String aif_PrintableName(const cow_String& name) {
  const std::string_view text = name.View();
  std::string out;
  out.reserve(text.size() + 2);
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = text.find('.', start);
    const std::string_view component = text.substr(start, dot - start);
    // Made printable even when quoted, so that a control character inside
    // quotes is refused too; a quoted component is then kept as it is.
    const cow_String printable = akw_MorvexName(cow_String(component), false).Printable();
    out += IsQuoted(component) ? component : printable.View();
    if (dot == std::string_view::npos) break;
    out += '.';
    start = dot + 1;
  }
  return cow_String(std::move(out));
}

cow_String aif_PrintableComponent(const cow_String& name) {
  const std::string_view text = name.View();
  if (text.find('"') != std::string_view::npos) return aif_PrintableName(name);
  const cow_String printable = akw_MorvexName(name, false).Printable();
  if (text.find('.') == std::string_view::npos) return printable;
  // Plain text apart from its dots is printable as it stands: only the
  // quotes are missing. Any other name came back quoted already.
  if (aif_IsQuotedName(printable)) return printable;
  return cow_String("\"" + name.Str() + "\"");
}

cow_String aif_QualifiedName(std::initializer_list<cow_String> components) {
  std::string out;
  bool first = true;
  for (const cow_String& component : components) {
    if (!first) out += '.';
    first = false;
    out += aif_PrintableComponent(component).View();
  }
  return cow_String(std::move(out));
}

cow_String aif_QualifiedPrefix(const cow_String& scope) {
  return aif_PrintableComponent(scope) + ".";
}

namespace {

// Whether every double quote of `text` opens or closes a whole component
// between dots ("\"My part\".Set-1"), none standing inside one ("Set\"1\"").
bool QuotesEncloseComponents(std::string_view text) {
  std::size_t at = 0;
  while (at <= text.size()) {
    if (at < text.size() && text[at] == '"') {
      const std::size_t close = text.find('"', at + 1);
      if (close == std::string_view::npos) return false;
      at = close + 1;
      if (at < text.size() && text[at] != '.') return false;
    } else {
      const std::size_t dot = std::min(text.find('.', at), text.size());
      if (text.substr(at, dot - at).find('"') != std::string_view::npos) return false;
      at = dot;
    }
    ++at;  // past the dot
  }
  return true;
}

}  // namespace

void aif_CheckWritableName(const cow_String& name, const char* object) {
  const std::string_view text = name.View();
  const std::string kind = std::string("The ") + object + " name";
  if (text.empty())
    nex_Exception::Throw(
        aif_Exception(atr_Translate(kind + " is empty and cannot be written to the input file.")),
        kNameRoutinesFile, __LINE__);
  std::size_t quotes = 0;
  for (char c : text)
    quotes += c == '"';
  if (quotes % 2 != 0)
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(kind + " %s holds an unpaired double quote and "
                                                  "cannot be written to the input file.",
                                           name)),
        kNameRoutinesFile, __LINE__);
  if (!QuotesEncloseComponents(text))
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(kind + " %s holds double quotes that do not enclose a "
                                                  "whole name and cannot be written to the input "
                                                  "file.",
                                           name)),
        kNameRoutinesFile, __LINE__);
}

bool aif_IsInternalName(const cow_String& name) {
  const std::string_view last = LastComponent(name.View());
  if (last.empty()) return false;
  if (last.front() == '_' || last.back() == '_') return true;
  return IsQuoted(last) && (last[1] == '_' || last[last.size() - 2] == '_');
}

cow_String aif_InstanceQualifiedName(const rgnC_Region& region, const cow_String& name) {
  const cow_List<cow_String>& owners = region.OwnerNames();
  if (owners.IsEmpty()) return cow_String();
  if (owners.Length() == 1) return name;
  return owners[1] + "." + name;
}

bool aif_IsLightweightInstance(const asoF_PartInstance& instance, bool partBased) {
  return partBased && instance.IsLightweight() &&
         instance.ConstGetPart().GetAnalysis() != ptoK_ANALYTIC_RIGID;
}

std::shared_ptr<const bme_Mesh> aif_MeshFromFacets(const asoF_PartInstance& instance) {
  return tri_MeshFromFacets::CreateMesh(instance.ConstGetPart(), instance.Id());
}

cow_String aif_UpperCaseName(const cow_String& name) {
  atr_StringBase upper(name);
  upper.ToUpper();
  return upper;
}

cow_String aif_ComposedName(const cow_String& written, const cow_String& suffix) {
  const std::string_view text = written.View();
  std::string out;
  out.reserve(text.size() + suffix.Length());
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] == '"') quoted = !quoted;
    if (i < text.size() && (text[i] != '.' || quoted)) continue;
    if (start > 0) out += '_';
    out += aif_UnquoteName(cow_String(text.substr(start, i - start))).View();
    start = i + 1;
  }
  out += suffix.View();
  return aif_PrintableComponent(cow_String(std::move(out)));
}

cow_String aif_FeatureOrientationName(const cow_String& datumFullName, const cow_String& instance,
                                      bool partBased) {
  // Printed as the datum systems' own names are (aif_ModelInfo::DatumCsysName).
  const cow_String name =
      partBased || instance.IsEmpty() ? datumFullName : instance + "_" + datumFullName;
  return akw_MorvexName(name, false).Printable();
}

namespace {

template <class T>
cow_String NameRoutinesNumberText(T value) {
  char text[32];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  return cow_String(text, static_cast<std::size_t>(end - text));
}

}  // namespace

cow_String aif_NumberText(int value) {
  return NameRoutinesNumberText(value);
}
cow_String aif_NumberText(float value) {
  return NameRoutinesNumberText(value);
}
cow_String aif_NumberText(double value) {
  return NameRoutinesNumberText(value);
}

cow_String aif_ResultsFileName(const cow_String& name) {
  cow_String stem = name;
  const std::string_view text = name.View();
  if (text.size() > 4) {
    std::string ending(text.substr(text.size() - 4));
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".fil") stem = name.Substr(0, text.size() - 4);
  }
  return akw_MorvexName(stem, true).PrintableFileName();
}
