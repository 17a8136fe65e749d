// Reads a written deck back the way the solver would, independently of the
// writer, and returns what the solver would refuse:
//   std::vector<aif_test::DeckFinding> findings = aif_test::CheckDeck(deck);
// Scopes: each part; each instance with its part; the assembly; the rest of
// the file. Checks block balance, line length (256), quotes, empty names,
// labels (1..2147483647, once per scope), element nodes, set members, every
// referenced name (the elset= of "*Spring", "*Dashpot", "*Mass", "*Rotary
// Inertia", "*Heat Cap", "*Nonstructural Mass" and "*Substructure Property"
// among them; Inst.Name from the assembly looks in instance Inst, split
// at the first dot outside quotes as the solver splits it, so a dotted
// instance name must be quoted; names compare unquoted and case-blind;
// orientations are also named exactly as their "*Orientation" line writes
// them), orientations once per scope (an instance with its part), section
// controls once per model, and section keywords (outside assembly and steps,
// own-scope elset/orientation, the set one "*Elset" block of the scope,
// controls anywhere, one section per element, material= defined, a gasket
// section's a "*Material" and its behavior= a "*Gasket Behavior", ply lines
// and rebar layers naming a "*Material", ply lines an orientation of their
// scope, a nodal-thickness section a "*Nodal Thickness" in its scope or in
// each instance of its part), materials ("*Material", "*Gasket Behavior") once per
// model and outside blocks, and distributions: "*Distribution Table" once
// per model, "*Distribution" once per scope (an instance with its part),
// every Table= defined, every row naming a node or element of its scope
// ("Inst.label" outside the parts) once, each node once in the
// "*Nodal Thickness" blocks of a scope, orientation data lines naming defined
// distributions (axes or an orientation field; an angle), every distribution a section option
// (shell thickness=, membrane thickness=, offset=) or a "*Density" data line
// names defined; a "*Density" may name "ASSEMBLY_" + a distribution defined
// outside the parts; "*MPC" data lines name defined nodes ("Inst.label") or
// node sets; a "*Pre-tension Section" its element= element set and node=
// node set, "*Submodel" data lines a node set or surface by its type=;
// connector behaviours once per model, every behavior= of a
// connector section defined, derived components defined by one behaviour and
// defined wherever a potential term or a contact force= names them; steps
// named once, "*Load Case" closed inside its step ("*Substructure Load Case"
// has no end line), every time points= a "*Time Points" defined once, the
// node of a Riks data line and the node sets of AMS residual-mode lines
// defined; output data: "*Filter" and "*Integrated Output Section" once per
// model, every filter= and section= defined (a section's surface= and ref
// node= as any other), "*Monitor, node=" a node or node set, "*Output" only
// in a step, the output variable keywords ("*Node Output", "*Element
// Output", ...) only after an "*Output" of their step and path level, and
// "*Substructure Path, enter" left again in its step; each "*Cload" line a
// node set or node, each "*Dload" line an element set or element (likewise
// the concentrated and the element-based flux, flow, current and charge
// keywords), each "*Dsflux", "*Dsflow", "*Dsecurrent" and "*Dsecharge" line a
// surface, each "*Connector Load" line an element set, each "*Sload" line an
// element by its label, each "*Adaptive Mesh Constraint" line a node set,
// each "*Boundary" line a node set or node, each "*Connector Motion" line an
// element set; each "*Temperature", "*Field", "*Pressure Stress", "*Mass Flow
// Rate" and "*Initial Conditions" line a node set or node (lines going on
// with values name nothing), "*Initial Conditions" only before the steps;
// each "*Model Change" line an element set (of a contact pair: surfaces);
// each "*Contact Pair" and "*Contact Interference" line its surfaces, and
// every master= and slave= a surface;
// geometric smoothing: each "*Surface Smoothing" row its slave and master
// surface (where not empty), each line of "*Surface Property Assignment,
// property=GEOMETRIC CORRECTION" its surface, every "geometric correction="
// of a "*Contact Pair" a "*Surface Smoothing" defined once per model;
// "*Surface Interaction" once per model outside blocks, every interaction=
// of "*Contact Pair", "*Change Friction" and "*Enrichment" and the property of each
// "*Contact Property Assignment" line one of them;
// "*Impedance Property" named once per model, each "*Simpedance" property=
// one of them and its data line a surface;
// an "*Inertia Relief" orientation= as any other. Incident waves: each
// "*Incident Wave Interaction Property" once per model outside the steps,
// its "*CONWEP Charge Property" and "*UNDEX Charge Property" right after it;
// "*Incident Wave Interaction" only in a step, its property= a defined
// incident wave property and its pressure or acceleration amplitude= a
// defined "*Amplitude". Film and radiation: each "*Sfilm" and "*Sradiate"
// line a surface, each "*Film" and "*Radiate" line an element by its label,
// each "*Cfilm" and "*Cradiate" line a node set or node, a film coefficient
// given by name (of "*Sfilm", "*Film" and "*Cfilm" lines) a "*Film
// Property" defined once per model, and every film amplitude= an
// "*Amplitude". Cavity radiation: "*Cavity Definition" once per
// model outside the steps, each data line a surface and, where given, a
// defined "*Surface Property"; "*Radiation Viewfactor" only in a step, its
// cavity= a defined cavity, its symmetry= the "*Radiation Symmetry" right
// after its lines (and every "*Radiation Symmetry" so named), the data
// lines of partial blocking surfaces. Co-simulation: its three keywords
// only in a step, each "*Co-simulation Controls" once per step and every
// controls= one of that step, the region of each "*Co-simulation Region"
// (opening its first line in the Standard-Explicit form, every line of the
// import and export blocks) a surface (type=SURFACE) or node set
// (type=NODE). Cyclic symmetry: "*Cyclic Symmetry Model" once at most,
// outside the steps; "*Select Cyclic Symmetry Modes" only in a step.
// Adaptive meshing: "*Adaptive Mesh Controls" and "*Adaptive Mesh" only in a
// step, the controls named once per model, every controls= of an "*Adaptive
// Mesh" one of them (its elset= as any other).
// Datum systems: every "*Transform, nset=" a node set (as any other
// nset=), the member names of the "_T-" sets defined sets; every
// "orientation=" (of "*Coupling", "*Dsload", "*Dload", "*Inertia Relief",
// "*Spring", "*Rotary Inertia", "*Fastener", ...) an "*Orientation" in scope,
// and so is every name on a "*Connector Section" orientation line (its
// second data line, numbers passed over).
// Cracks: each "*Enrichment" once (its elset= as any other, its
// interaction= a "*Surface Interaction"), an XFEM "*Contour Integral" crack
// name= one of them, every crack-front and crack-tip node set of a contour
// one defined where the step's names are looked up (the assembly; "Inst.Set"
// as any other qualified set).
// Fasteners: the elset= of a "*Fastener" defines the element set the
// solver generates for its connector elements; "*Fastener Property" named
// once per model, every property= of a "*Fastener" one of them, its
// reference node set= a node set and each name of its target-surface lines
// (after the projection line) a surface; a discrete fastener's "*Coupling"
// ref node= and surface= as any other. Assembled fasteners write nothing of
// their own: their generated parts and instances, node-based surfaces,
// ties, couplings, adjusts, MASS and ROTARYI elements with their "*Mass" and
// "*Rotary Inertia" element sets, and their sections are checked by the
// rules above (every name in the generated instance's scope or the
// assembly's); so are the nset= and elset= of output requests on an
// assembled fastener, which must name a set its copies define.
// References may precede definitions.
#pragma once

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace aif_test {

struct DeckFinding {
  std::string kind;  // the class of fault, e.g. "duplicate node label"
  int line = 0;      // 1-based line of the deck
  std::string text;  // "line N: <kind>: <detail> | <the line>"
};

class DeckChecker {
 public:
  static constexpr std::size_t kMaxLineLength = 256;

  std::vector<DeckFinding> Check(const std::string& deck) {
    SplitLines(deck);
    Parse();
    Define();
    DefineFastenerSets();
    CheckInstanceOverlaps();
    Refer();
    CheckSections();
    CheckDistributions();
    CheckConnectorBehaviors();
    CheckOutputRequests();
    CheckAmplitudes();
    CheckIncidentWaves();
    CheckInteractionProperties();
    CheckSmoothing();
    CheckRadiationCavities();
    CheckCosimulations();
    CheckCyclicSymmetry();
    CheckAdaptiveMeshes();
    CheckCracks();
    CheckFasteners();
    CheckConnectorOrientations();
    return std::move(findings_);
  }

 private:
  enum Kind { kNode, kElement, kNset, kElset, kSurface, kOrientation };

  struct Record {
    int line = 0;                                              // line of the keyword
    std::string keyword;                                       // lower case, e.g. "*element"
    std::vector<std::pair<std::string, std::string>> options;  // key lower case, value raw
    std::vector<std::pair<int, std::string>> data;             // line, text (rows joined)
    std::string scope;                                         // key into scopes_
    bool broken = false;  // malformed quotes: definitions only, no references
    bool step = false;    // inside a *Step block
  };

  struct Scope {
    std::string part;  // instances: the normalized name of their part
    bool instance = false;
    std::unordered_set<std::int64_t> nodes, elements;
    std::set<std::string> names[6];       // by Kind; kNode and kElement unused
    std::set<std::string> distributions;  // names of *Distribution
    // The records that define each element set (*Elset blocks and the
    // elset= of *Element), by normalized name.
    std::map<std::string, std::vector<const Record*>> elsets;
  };

  std::vector<std::string> lines_;
  std::set<int> badQuotes_;  // lines whose quotes do not enclose whole names
  std::vector<Record> records_;
  std::map<std::string, Scope> scopes_;
  std::set<std::string> sectionControls_;                // names of *Section Controls
  std::set<std::string> materials_;                      // names of *Material and *Gasket Behavior
  std::set<std::string> plainMaterials_;                 // names of *Material alone
  std::set<std::string> tables_;                         // names of *Distribution Table
  std::map<std::string, std::string> orientationLines_;  // "scope|name" -> first line
  // The name of each "*Orientation" as written (trimmed), by "scope|name".
  std::map<std::string, std::string> orientationTexts_;
  std::set<std::string> gasketBehaviors_;   // names of *Gasket Behavior
  std::set<std::string> timePoints_;        // names of *Time Points
  std::map<std::string, int> elsetBlocks_;  // *Elset blocks by "scope|name"
  std::set<std::string> nodalScopes_;       // scopes holding a *Nodal Thickness
  // The nodes given a thickness by "*Nodal Thickness", by scope.
  std::map<std::string, std::set<std::string>> nodalThickness_;
  // The names of "*Impedance Property".
  std::set<std::string> impedanceProperties_;
  // The names of "*Film Property".
  std::set<std::string> filmProperties_;
  std::vector<DeckFinding> findings_;

  // --- reporting -----------------------------------------------------------

  void Report(int line, const std::string& kind, const std::string& detail) {
    std::string text = "line " + std::to_string(line) + ": " + kind;
    if (!detail.empty()) text += ": " + detail;
    if (line >= 1 && static_cast<std::size_t>(line) <= lines_.size())
      text += " | " + lines_[static_cast<std::size_t>(line) - 1].substr(0, 160);
    findings_.push_back({kind, line, text});
  }

  // --- text helpers --------------------------------------------------------

  static std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r'))
      ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r'))
      --e;
    return s.substr(b, e - b);
  }
  static std::string Lower(std::string s) {
    for (char& c : s)
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  static bool QuotesBalanced(const std::string& s) {
    return std::count(s.begin(), s.end(), '"') % 2 == 0;
  }
  // Whether every quote opens at the start of a name component (after the
  // line start, "=", "," or ".") and closes at its end (before ",", "." or
  // the line end).
  static bool QuotesWellFormed(const std::string& s) {
    bool quoted = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s[i] != '"') continue;
      if (!quoted) {
        std::size_t p = i;
        while (p > 0 && s[p - 1] == ' ')
          --p;
        if (p > 0 && s[p - 1] != '=' && s[p - 1] != ',' && s[p - 1] != '.') return false;
      } else {
        std::size_t n = i + 1;
        while (n < s.size() && (s[n] == ' ' || s[n] == '\r'))
          ++n;
        if (n < s.size() && s[n] != ',' && s[n] != '.') return false;
      }
      quoted = !quoted;
    }
    return !quoted;
  }
  // Splits at `separator` outside double quotes (all of them when `quotes`
  // is false).
  static std::vector<std::string> Split(const std::string& s, char separator, bool quotes = true) {
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (char c : s) {
      if (quotes && c == '"') quoted = !quoted;
      if (c == separator && !quoted)
        parts.emplace_back();
      else
        parts.back() += c;
    }
    return parts;
  }
  // A name as the solver compares it: dotted components without their
  // quotes, lower case, joined by ".".
  static std::vector<std::string> Components(const std::string& raw) {
    std::vector<std::string> out;
    const std::string text = Trim(raw);
    for (std::string c : Split(text, '.', QuotesBalanced(text))) {
      c = Trim(c);
      if (c.size() >= 2 && c.front() == '"' && c.back() == '"') c = c.substr(1, c.size() - 2);
      out.push_back(Lower(c));
    }
    return out;
  }
  static std::string Join(const std::vector<std::string>& parts, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i)
      out += (i > from ? "." : "") + parts[i];
    return out;
  }
  static std::string Normal(const std::string& raw) {
    const std::vector<std::string> c = Components(raw);
    return Join(c, 0, c.size());
  }
  // A label: an integer text; nullopt for any other text.
  static std::optional<std::int64_t> Integer(const std::string& raw) {
    const std::string t = Trim(raw);
    if (t.empty() || t.size() > 18) return std::nullopt;
    std::size_t i = t[0] == '-' ? 1 : 0;
    if (i == t.size()) return std::nullopt;
    for (std::size_t k = i; k < t.size(); ++k)
      if (!std::isdigit(static_cast<unsigned char>(t[k]))) return std::nullopt;
    return std::stoll(t);
  }
  static const char* KindName(Kind kind) {
    static const char* const names[] = {"node",  "element", "nset",
                                        "elset", "surface", "orientation"};
    return names[kind];
  }

  // --- reading -------------------------------------------------------------

  void SplitLines(const std::string& deck) {
    std::size_t start = 0;
    while (start < deck.size()) {
      std::size_t end = deck.find('\n', start);
      if (end == std::string::npos) end = deck.size();
      lines_.push_back(deck.substr(start, end - start));
      start = end + 1;
    }
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const int lineNo = static_cast<int>(i + 1);
      if (lines_[i].size() > kMaxLineLength)
        Report(lineNo, "line longer than 256 characters",
               std::to_string(lines_[i].size()) + " characters");
      if (lines_[i].rfind("**", 0) != 0 && !QuotesWellFormed(lines_[i])) {
        badQuotes_.insert(lineNo);
        Report(lineNo, "unbalanced quotes", "");
      }
    }
  }

  static bool EndsWithComma(const std::string& s) {
    const std::string t = Trim(s);
    return !t.empty() && t.back() == ',';
  }

  // Groups the lines into keyword records with their data lines, and tracks
  // the block structure.
  void Parse() {
    std::string part, instance;  // normalized names of the open blocks
    bool assembly = false, step = false, loadCase = false;
    int partLine = 0, instanceLine = 0, assemblyLine = 0, stepLine = 0, loadCaseLine = 0;
    std::set<std::string> stepNames;
    scopes_["M"];
    auto scope = [&]() -> std::string {
      if (!instance.empty()) return "I:" + instance;
      if (!part.empty()) return "P:" + part;
      if (assembly) return "A";
      return "M";
    };
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const int lineNo = static_cast<int>(i + 1);
      const std::string& line = lines_[i];
      if (line.rfind("**", 0) == 0) continue;
      if (line.rfind("*", 0) != 0) {
        if (records_.empty()) {
          Report(lineNo, "data line before any keyword", "");
          continue;
        }
        if (badQuotes_.count(lineNo)) continue;  // reported; its names cannot be read
        Record& record = records_.back();
        // A row that ends with "," continues on the next line (elements with
        // many nodes); member lists are read token by token either way.
        if (!record.data.empty() && record.keyword == "*element" &&
            EndsWithComma(record.data.back().second))
          record.data.back().second += line;
        else
          record.data.push_back({lineNo, line});
        continue;
      }
      // A keyword line, with its continuation lines (a line that ends with ",").
      std::string text = line;
      Record record;
      record.line = lineNo;
      record.broken = badQuotes_.count(lineNo) > 0;
      while (EndsWithComma(text) && i + 1 < lines_.size() && lines_[i + 1].rfind("*", 0) != 0) {
        text += lines_[++i];
        record.broken = record.broken || badQuotes_.count(static_cast<int>(i + 1)) > 0;
      }
      const bool balanced = !record.broken;
      std::vector<std::string> fields = Split(text, ',', balanced);
      record.keyword = Lower(Trim(fields[0]));
      for (std::size_t f = 1; f < fields.size(); ++f) {
        const std::string field = Trim(fields[f]);
        if (field.empty()) continue;
        const std::size_t eq = field.find('=');
        if (eq == std::string::npos)
          record.options.push_back({Lower(field), ""});
        else
          record.options.push_back({Lower(Trim(field.substr(0, eq))), Trim(field.substr(eq + 1))});
      }
      const std::string& k = record.keyword;
      const std::string name = Normal(Option(record, "name"));
      if (k == "*part") {
        if (!part.empty() || assembly) Report(lineNo, "*Part inside another block", "");
        if (name.empty()) Report(lineNo, "empty name", "*Part");
        if (scopes_.count("P:" + name)) Report(lineNo, "part defined twice", name);
        part = name.empty() ? "?" : name;
        partLine = lineNo;
        scopes_["P:" + part];
      } else if (k == "*end part") {
        if (part.empty()) Report(lineNo, "*End Part without *Part", "");
        part.clear();
      } else if (k == "*assembly") {
        if (!part.empty() || assembly) Report(lineNo, "*Assembly inside another block", "");
        assembly = true;
        assemblyLine = lineNo;
        scopes_["A"];
      } else if (k == "*end assembly") {
        if (!assembly || !instance.empty()) Report(lineNo, "*End Assembly without *Assembly", "");
        assembly = false;
        instance.clear();
      } else if (k == "*instance" && !HasOption(record, "library")) {
        if (!assembly || !instance.empty())
          Report(lineNo, "*Instance outside the assembly or inside another instance", "");
        if (name.empty()) Report(lineNo, "empty name", "*Instance");
        if (scopes_.count("I:" + name)) Report(lineNo, "instance defined twice", name);
        instance = name.empty() ? "?" : name;
        instanceLine = lineNo;
        Scope& s = scopes_["I:" + instance];
        s.instance = true;
        s.part = Normal(Option(record, "part"));
      } else if (k == "*end instance") {
        if (instance.empty()) Report(lineNo, "*End Instance without *Instance", "");
        instance.clear();
      } else if (k == "*step") {
        if (step || !part.empty() || assembly) Report(lineNo, "*Step inside another block", "");
        if (name.empty()) Report(lineNo, "empty name", "*Step");
        if (!name.empty() && !stepNames.insert(name).second)
          Report(lineNo, "step defined twice", name);
        step = true;
        stepLine = lineNo;
      } else if (k == "*end step") {
        if (!step) Report(lineNo, "*End Step without *Step", "");
        if (loadCase) Report(loadCaseLine, "*Load Case not closed", "");
        step = false;
        loadCase = false;
      } else if (k == "*load case" || k == "*substructure load case") {
        // A substructure load case has no end line: the next one or the
        // step's end closes it.
        if (!step || loadCase) Report(lineNo, "*Load Case outside a step or inside another", "");
        if (name.empty()) Report(lineNo, "empty name", record.keyword);
        loadCase = k == "*load case";
        loadCaseLine = lineNo;
      } else if (k == "*end load case") {
        if (!loadCase) Report(lineNo, "*End Load Case without *Load Case", "");
        loadCase = false;
      } else if (k == "*time points") {
        if (name.empty()) Report(lineNo, "empty name", "*Time Points");
        if (!name.empty() && !timePoints_.insert(name).second)
          Report(lineNo, "time points defined twice", name);
      } else if (k == "*impedance property") {
        if (name.empty()) Report(lineNo, "empty name", "*Impedance Property");
        if (!name.empty() && !impedanceProperties_.insert(name).second)
          Report(lineNo, "impedance property defined twice", name);
      } else if (k == "*film property") {
        if (name.empty()) Report(lineNo, "empty name", "*Film Property");
        if (!name.empty() && !filmProperties_.insert(name).second)
          Report(lineNo, "film property defined twice", name);
      }
      record.scope = scope();
      record.step = step && k != "*step";
      records_.push_back(std::move(record));
    }
    if (!part.empty()) Report(partLine, "*Part not closed", "");
    if (!instance.empty()) Report(instanceLine, "*Instance not closed", "");
    if (assembly) Report(assemblyLine, "*Assembly not closed", "");
    if (step) Report(stepLine, "*Step not closed", "");
  }

  static const std::string& Option(const Record& record, const std::string& key) {
    static const std::string none;
    for (const auto& [k, v] : record.options)
      if (k == key) return v;
    return none;
  }
  static bool HasOption(const Record& record, const std::string& key) {
    return std::any_of(record.options.begin(), record.options.end(),
                       [&](const auto& option) { return option.first == key; });
  }

  // --- definitions ---------------------------------------------------------

  // A label text; reports "invalid <kind> label" (detail: `what` and the
  // text, or the quoted text without `what`) and returns nullopt when it is not a label
  // in 1..2147483647.
  std::optional<std::int64_t> Label(int line, const std::string& text, Kind kind,
                                    const std::string& what) {
    const std::optional<std::int64_t> label = Integer(text);
    if (label && *label >= 1 && *label <= INT_MAX) return label;
    Report(line, std::string("invalid ") + KindName(kind) + " label",
           what.empty() ? "\"" + Trim(text) + "\"" : what + Trim(text));
    return std::nullopt;
  }

  void DefineName(const Record& record, Kind kind, const std::string& key) {
    const std::string& raw = Option(record, key);
    const std::string name = Normal(raw);
    if (name.empty()) {
      Report(record.line, "empty name", key + "=");
      return;
    }
    scopes_[record.scope].names[kind].insert(name);
  }

  void DefineLabel(const Record& record, int line, const std::string& text, Kind kind) {
    const std::optional<std::int64_t> label = Label(line, text, kind, "");
    if (!label) return;
    Scope& scope = scopes_[record.scope];
    auto& labels = kind == kNode ? scope.nodes : scope.elements;
    if (!labels.insert(*label).second)
      Report(line, std::string("duplicate ") + KindName(kind) + " label", std::to_string(*label));
  }

  void Define() {
    for (const Record& record : records_) {
      const std::string& k = record.keyword;
      if (k == "*elset" || (k == "*element" && HasOption(record, "elset"))) {
        const std::string name = Normal(Option(record, "elset"));
        if (!name.empty() && !HasOption(record, "instance"))
          scopes_[record.scope].elsets[name].push_back(&record);
      }
      if (k == "*material" || k == "*gasket behavior") {
        const std::string name = Normal(Option(record, "name"));
        if (name.empty()) Report(record.line, "empty name", record.keyword);
        if (record.scope != "M" || record.step)
          Report(record.line, "material inside a block", record.keyword);
        if (!materials_.insert(name).second) Report(record.line, "material defined twice", name);
        if (k == "*material") plainMaterials_.insert(name);
        if (k == "*gasket behavior") gasketBehaviors_.insert(name);
      }
      if (k == "*distribution table") {
        const std::string name = Normal(Option(record, "name"));
        if (name.empty())
          Report(record.line, "empty name", "*Distribution Table");
        else if (!tables_.insert(name).second)
          Report(record.line, "distribution table defined twice", name);
      }
      if (k == "*distribution") {
        const std::string name = Normal(Option(record, "name"));
        if (name.empty()) {
          Report(record.line, "empty name", "*Distribution");
        } else {
          bool twice = !scopes_[record.scope].distributions.insert(name).second;
          for (const std::string& key : ChainKeys(record.scope))
            twice = twice || (key != record.scope && scopes_[key].distributions.count(name));
          if (twice) Report(record.line, "distribution defined twice", name);
          // "Inst.name" in the assembly is the instance's own distribution
          // "name", which the instance's (and its part's) orientations name.
          const std::vector<std::string> q = Split(Trim(Option(record, "name")), '.');
          if (record.scope == "A" && q.size() == 2 && scopes_.count("I:" + Normal(q[0])) &&
              !scopes_["I:" + Normal(q[0])].distributions.insert(Normal(q[1])).second)
            Report(record.line, "distribution defined twice", name);
        }
      }
      if (k == "*nodal thickness") nodalScopes_.insert(record.scope);
      if (k == "*section controls") {
        const std::string name = Normal(Option(record, "name"));
        if (name.empty()) Report(record.line, "empty name", "*Section Controls");
        if (!sectionControls_.insert(name).second)
          Report(record.line, "section controls defined twice", name);
      }
      if (k == "*node") {
        if (HasOption(record, "nset")) DefineName(record, kNset, "nset");
        for (const auto& [line, text] : record.data)
          DefineLabel(record, line, Split(text, ',')[0], kNode);
      } else if (k == "*element") {
        if (HasOption(record, "elset")) DefineName(record, kElset, "elset");
        for (const auto& [line, text] : record.data)
          DefineLabel(record, line, Split(text, ',')[0], kElement);
      } else if (k == "*nset") {
        DefineName(record, kNset, "nset");
      } else if (k == "*elset") {
        DefineName(record, kElset, "elset");
        const std::string name = Normal(Option(record, "elset"));
        if (!name.empty() && !HasOption(record, "instance"))
          ++elsetBlocks_[record.scope + "|" + name];
      } else if (k == "*surface") {
        DefineName(record, kSurface, "name");
      } else if (k == "*orientation") {
        const std::string name = Normal(Option(record, "name"));
        const std::string& text = lines_[static_cast<std::size_t>(record.line) - 1];
        bool fresh = orientationLines_.try_emplace(record.scope + "|" + name, text).second;
        // An instance and its part are one scope.
        for (const std::string& key : ChainKeys(record.scope))
          fresh = fresh && (key == record.scope || !orientationLines_.count(key + "|" + name));
        if (!name.empty() && !fresh) Report(record.line, "orientation defined twice", name);
        orientationTexts_.try_emplace(record.scope + "|" + name, Trim(Option(record, "name")));
        DefineName(record, kOrientation, "name");
      }
    }
  }

  // An instance and its part are one scope: no label in both.
  void CheckInstanceOverlaps() {
    for (const Record& record : records_) {
      if (record.keyword != "*instance" || HasOption(record, "library")) continue;
      const Scope& instance = scopes_["I:" + Normal(Option(record, "name"))];
      auto part = scopes_.find("P:" + instance.part);
      if (part == scopes_.end()) continue;
      for (Kind kind : {kNode, kElement}) {
        const auto& mine = kind == kNode ? instance.nodes : instance.elements;
        const auto& theirs = kind == kNode ? part->second.nodes : part->second.elements;
        std::int64_t smallest = -1;
        std::size_t count = 0;
        for (std::int64_t label : mine)
          if (theirs.count(label)) {
            ++count;
            if (smallest < 0 || label < smallest) smallest = label;
          }
        if (count)
          Report(record.line, std::string("duplicate ") + KindName(kind) + " label",
                 std::to_string(count) + " labels of the instance also in its part, e.g. " +
                     std::to_string(smallest));
      }
    }
  }

  // --- references ----------------------------------------------------------

  // The scopes (and their keys) a name is looked up in from `scope`: itself,
  // and for an instance its part.
  std::vector<const Scope*> Chain(const std::string& scope) const {
    std::vector<const Scope*> chain;
    for (const std::string& key : ChainKeys(scope))
      if (scopes_.count(key)) chain.push_back(&scopes_.at(key));
    return chain;
  }
  bool Has(const std::string& scope, Kind kind, const std::string& name) const {
    for (const Scope* s : Chain(scope))
      if (s->names[kind].count(name)) return true;
    return false;
  }
  bool HasLabel(const std::string& scope, Kind kind, std::int64_t label) const {
    for (const Scope* s : Chain(scope))
      if ((kind == kNode ? s->nodes : s->elements).count(label)) return true;
    return false;
  }
  // The instance scope key named by `name` seen from `scope`, or empty.
  std::string InstanceScope(const std::string& scope, const std::string& name) const {
    if (scope != "A" || name.empty()) return std::string();
    return scopes_.count("I:" + name) ? "I:" + name : std::string();
  }

  // Whether the name `raw` of `kind` is defined where `scope` looks it up:
  // as it stands, or, from the assembly, "Inst.Name" in instance Inst, split
  // at the first dot outside quotes ("A.b.S" is instance A, name "b.S").
  bool Resolves(const std::string& scope, Kind kind, const std::string& raw) const {
    const std::vector<std::string> c = Components(raw);
    if (Has(scope, kind, Join(c, 0, c.size()))) return true;
    if (c.size() < 2) return false;
    const std::string instance = InstanceScope(scope, c[0]);
    return !instance.empty() && Has(instance, kind, Join(c, 1, c.size()));
  }
  void ReferName(const Record& record, int line, Kind kind, const std::string& raw,
                 const std::string& what) {
    if (Normal(raw).empty()) {
      Report(line, "empty reference", what);
      return;
    }
    if (!Resolves(LookupScope(record), kind, raw))
      Report(line, std::string("undefined ") + KindName(kind), what + Trim(raw));
  }
  // Where the names a record refers to are looked up: its own scope, but the
  // assembly's for the history of a deck with an assembly and for the model
  // data after it (the initial step's boundary conditions).
  std::string LookupScope(const Record& record) const {
    return (record.step || record.scope == "M") && scopes_.count("A") ? std::string("A")
                                                                      : record.scope;
  }
  // A node reference: a label, or "Inst.label" from the assembly (split at
  // the first dot outside quotes: "A.b.7" names instance A).
  void ReferNode(const std::string& scope, int line, const std::string& raw,
                 const std::string& what) {
    ReferMember(scope, line, raw, kNode, what);
  }
  // A node or element reference (`kind`): a label, or "Inst.label".
  void ReferMember(const std::string& scope, int line, const std::string& raw, Kind kind,
                   const std::string& what) {
    const std::vector<std::string> parts = Split(Trim(raw), '.');
    std::string where = scope;
    std::string labelText = Trim(raw);
    if (parts.size() > 1 && Integer(parts.back())) {
      where = InstanceScope(scope, Normal(parts[0]));
      labelText = Join(parts, 1, parts.size());
      if (where.empty()) {
        Report(line, "undefined instance", what + Trim(raw));
        return;
      }
    }
    ReferLabel(where, line, kind, labelText, what);
  }
  void ReferLabel(const std::string& scope, int line, Kind kind, const std::string& text,
                  const std::string& what) {
    const std::optional<std::int64_t> label = Label(line, text, kind, what);
    if (label && !HasLabel(scope, kind, *label))
      Report(line, std::string("undefined ") + KindName(kind), what + std::to_string(*label));
  }

  // An orientation reference: defined where `record` looks it up (a step's
  // in the assembly, as its other names), and written as its "*Orientation"
  // line writes it (the same quotes).
  void ReferOrientation(const Record& record, int line, const std::string& raw,
                        const std::string& what) {
    const std::string name = Normal(raw);
    const std::string scope = LookupScope(record);
    if (!Resolves(scope, kOrientation, raw)) {
      Report(line, "undefined orientation", what + Trim(raw));
      return;
    }
    for (const std::string& key : ChainKeys(scope)) {
      auto it = orientationTexts_.find(key + "|" + name);
      if (it == orientationTexts_.end()) continue;
      if (it->second != Trim(raw))
        Report(line, "orientation written otherwise", what + Trim(raw) + " for " + it->second);
      return;
    }
  }

  // The members of a *Nset or *Elset block.
  void ReferMembers(const Record& record, Kind labelKind, Kind setKind) {
    std::string scope = record.scope;
    if (HasOption(record, "instance")) {
      scope = InstanceScope(record.scope, Normal(Option(record, "instance")));
      if (scope.empty()) {
        Report(record.line, "undefined instance", "instance=" + Option(record, "instance"));
        return;
      }
    }
    const std::string what = std::string(KindName(setKind)) + " member ";
    if (HasOption(record, "generate")) {
      for (const auto& [line, text] : record.data) {
        const std::vector<std::string> f = Split(text, ',');
        std::optional<std::int64_t> first, last, step;
        if (f.size() >= 3) {
          first = Integer(f[0]);
          last = Integer(f[1]);
          step = Integer(f[2]);
        }
        if (!first || !last || !step || *step < 1 || *first > *last) {
          Report(line, "invalid generate range", "");
          continue;
        }
        for (std::int64_t label = *first; label <= *last; label += *step) {
          if (label < 1 || label > INT_MAX || !HasLabel(scope, labelKind, label)) {
            Report(line, std::string("undefined ") + KindName(labelKind),
                   what + std::to_string(label) + " of a generate range");
            break;
          }
        }
      }
      return;
    }
    for (const auto& [line, text] : record.data)
      for (const std::string& field : Split(text, ',')) {
        const std::string token = Trim(field);
        if (token.empty()) continue;
        if (Integer(token))
          ReferLabel(scope, line, labelKind, token, what);
        else if (!Resolves(scope, setKind, token))
          Report(line, std::string("undefined ") + KindName(setKind), what + token);
      }
  }

  // The first field of each data line of a surface: a set name or a label.
  void ReferSurfaceRows(const Record& record) {
    const std::string type = Lower(Option(record, "type"));
    if (type == "segments" || type == "cylinder" || type == "revolution") return;
    const bool nodes = type == "node";
    for (const auto& [line, text] : record.data) {
      const std::string first = Trim(Split(text, ',')[0]);
      if (first.empty()) continue;
      if (Integer(first))
        ReferLabel(record.scope, line, nodes ? kNode : kElement, first, "surface member ");
      else
        ReferName(record, line, nodes ? kNset : kElset, first, "surface member ");
    }
  }

  // Geometric smoothing: the surfaces its rows and correction lines name,
  // and the "*Surface Smoothing" definitions contact pairs name.
  void CheckSmoothing() {
    std::set<std::string> smoothings;
    for (const Record& record : records_)
      if (!record.broken && record.keyword == "*surface smoothing" &&
          !smoothings.insert(Normal(Option(record, "name"))).second)
        Report(record.line, "duplicate surface smoothing", Option(record, "name"));
    for (const Record& record : records_) {
      if (record.broken) continue;
      const std::string& k = record.keyword;
      if (k == "*surface smoothing") {
        for (const auto& [line, text] : record.data) {
          const std::vector<std::string> fields = Split(text, ',');
          for (std::size_t i = 0; i < 2 && i < fields.size(); ++i)
            if (!Trim(fields[i]).empty())
              ReferName(record, line, kSurface, fields[i], "smoothing surface ");
        }
      } else if (k == "*surface property assignment" &&
                 Normal(Option(record, "property")) == Normal("GEOMETRIC CORRECTION")) {
        for (const auto& [line, text] : record.data)
          ReferName(record, line, kSurface, Split(text, ',')[0], "geometric correction surface ");
      } else if (k == "*contact pair" && HasOption(record, "geometric correction") &&
                 !smoothings.count(Normal(Option(record, "geometric correction")))) {
        Report(record.line, "undefined surface smoothing",
               "geometric correction=" + Option(record, "geometric correction"));
      }
    }
  }

  void Refer() {
    for (const Record& record : records_) {
      if (record.broken) continue;
      const std::string& k = record.keyword;
      const bool defines = k == "*node" || k == "*element" || k == "*nset" || k == "*elset";
      if (IsSection(k)) continue;  // CheckSections
      for (const auto& [key, value] : record.options) {
        if (key == "part" && k == "*instance") {
          if (!scopes_.count("P:" + Normal(value)))
            Report(record.line, "undefined part", "part=" + value);
        } else if (key == "instance" && k != "*nset" && k != "*elset" && k != "*instance") {
          if (InstanceScope(record.scope, Normal(value)).empty())
            Report(record.line, "undefined instance", "instance=" + value);
        } else if (key == "elset" && !defines) {
          ReferName(record, record.line, kElset, value, "elset=");
        } else if (key == "nset" && !defines) {
          ReferName(record, record.line, kNset, value, "nset=");
        } else if (key == "orientation") {
          ReferOrientation(record, record.line, value, "orientation=");
        } else if (key == "analytical surface" || key == "surface" || key == "master" ||
                   key == "slave") {
          ReferName(record, record.line, kSurface, value, key + "=");
        } else if (key == "time points" && !timePoints_.count(Normal(value))) {
          Report(record.line, "undefined time points", "time points=" + value);
        } else if (key == "host elset") {
          ReferName(record, record.line, kElset, value, "host elset=");
        } else if (key == "node set" || key == "ref node set") {
          ReferName(record, record.line, kNset, value, key + "=");
        } else if (key == "ref node" || key == "pin nset" || key == "tie nset") {
          if (Integer(value))
            ReferNode(record.scope, record.line, value, key + "=");
          else
            ReferName(record, record.line, kNset, value, key + "=");
        }
      }
      if (k == "*element") {
        for (const auto& [line, text] : record.data) {
          const std::vector<std::string> f = Split(text, ',');
          for (std::size_t i = 1; i < f.size(); ++i)
            if (!Trim(f[i]).empty()) ReferNode(record.scope, line, f[i], "element node ");
        }
      } else if (k == "*nset") {
        ReferMembers(record, kNode, kNset);
      } else if (k == "*elset") {
        ReferMembers(record, kElement, kElset);
      } else if (k == "*surface") {
        ReferSurfaceRows(record);
      } else if (k == "*static" && HasOption(record, "riks") && !record.data.empty()) {
        // Initial, period, min, max, factor, then the node whose
        // displacement ends the analysis: a label or a node set.
        const auto& [line, text] = record.data[0];
        const std::vector<std::string> f = Split(text, ',');
        if (f.size() > 5 && !Trim(f[5]).empty()) {
          if (Integer(Trim(f[5])))
            ReferNode(LookupScope(record), line, f[5], "Riks node ");
          else
            ReferName(record, line, kNset, Trim(f[5]), "Riks node ");
        }
      } else if (k == "*frequency" && Lower(Option(record, "eigensolver")) == "ams" &&
                 HasOption(record, "residual modes")) {
        // After the eigenvalue line, one line per residual-mode region: its
        // node set and a direction.
        for (std::size_t row = 1; row < record.data.size(); ++row) {
          const std::vector<std::string> f = Split(record.data[row].second, ',');
          ReferName(record, record.data[row].first, kNset, Trim(f[0]), "residual modes ");
        }
      } else if (k == "*pre-tension section") {
        // element= the section's element set; node= the reference node's set
        // (or its label). surface= is followed with every keyword's.
        if (HasOption(record, "element"))
          ReferName(record, record.line, kElset, Option(record, "element"), "element=");
        const std::string node = Trim(Option(record, "node"));
        if (Integer(node))
          ReferNode(record.scope, record.line, node, "node=");
        else
          ReferName(record, record.line, kNset, node, "node=");
      } else if (k == "*submodel") {
        // One region per line: a node set (type=NODE) or a surface
        // (type=SURFACE). The global elset belongs to the global model.
        const bool nodes = Lower(Trim(Option(record, "type"))) == "node";
        for (const auto& [line, text] : record.data)
          ReferName(record, line, nodes ? kNset : kSurface, Split(text, ',')[0],
                    "submodel region ");
      } else if (k == "*rebar layer") {
        // Layer name, area, spacing, position, material, angle, ...
        for (const auto& [line, text] : record.data) {
          const std::vector<std::string> f = Split(text, ',');
          if (f.size() > 4 && !plainMaterials_.count(Normal(f[4])))
            Report(line, "undefined material", "rebar material " + Trim(f[4]));
        }
      } else if (k == "*mpc") {
        // The type, then nodes (a label, "Inst.label") or node sets.
        for (const auto& [line, text] : record.data) {
          const std::vector<std::string> f = Split(text, ',');
          for (std::size_t i = 1; i < f.size(); ++i) {
            const std::vector<std::string> parts = Split(Trim(f[i]), '.');
            if (Integer(parts.back()))
              ReferNode(record.scope, line, f[i], "MPC node ");
            else
              ReferName(record, line, kNset, f[i], "MPC set ");
          }
        }
      } else if (k == "*dsflux" || k == "*dsflow" || k == "*dsecurrent" || k == "*dsecharge") {
        // Each data line names a surface.
        for (const auto& [line, text] : record.data)
          ReferName(record, line, kSurface, Split(text, ',')[0], "load surface ");
      } else if (k == "*cload" || k == "*dload" || k == "*cflux" || k == "*cecurrent" ||
                 k == "*cecharge" || k == "*fluid flux" || k == "*dflux" || k == "*dflow" ||
                 k == "*decurrent" || k == "*decharge") {
        // Each data line names a set, or one node or element by its label
        // ("Inst.label" in the history of a part-based deck).
        const bool nodes = k == "*cload" || k == "*cflux" || k == "*cecurrent" ||
                           k == "*cecharge" || k == "*fluid flux";
        for (const auto& [line, text] : record.data) {
          const std::string first = Trim(Split(text, ',')[0]);
          const std::vector<std::string> parts = Split(first, '.');
          if (!first.empty() && Integer(Trim(parts.back())) &&
              !Resolves(LookupScope(record), nodes ? kNset : kElset, first))
            ReferMember(LookupScope(record), line, first, nodes ? kNode : kElement,
                        nodes ? "load node " : "load element ");
          else
            ReferName(record, line, nodes ? kNset : kElset, first, "load set ");
        }
      } else if (k == "*dsload") {
        // Each data line names a surface (its options, the orientation and
        // the reference node, are followed above).
        for (const auto& [line, text] : record.data)
          ReferName(record, line, kSurface, Split(text, ',')[0], "load surface ");
      } else if (k == "*boundary") {
        // Each data line names a node set, or one node by its label
        // ("Inst.label" in the history of a part-based deck).
        for (const auto& [line, text] : record.data) {
          const std::string first = Trim(Split(text, ',')[0]);
          const std::vector<std::string> parts = Split(first, '.');
          if (!first.empty() && Integer(Trim(parts.back())) &&
              !Resolves(LookupScope(record), kNset, first))
            ReferMember(LookupScope(record), line, first, kNode, "boundary node ");
          else
            ReferName(record, line, kNset, first, "boundary set ");
        }
      } else if (k == "*temperature" || k == "*field" || k == "*pressure stress" ||
                 k == "*mass flow rate" || k == "*initial conditions") {
        // An initial condition of the model lies before the first step.
        if (k == "*initial conditions" && record.step)
          Report(record.line, "*Initial Conditions inside a step", "");
        // Each data line names a node set, or one node by its label; lines
        // that go on with values, and empty padding lines, name nothing.
        for (const auto& [line, text] : record.data) {
          const std::string first = Trim(Split(text, ',')[0]);
          if (first.empty()) continue;
          const bool numeric = std::isdigit(static_cast<unsigned char>(first[0])) ||
                               first[0] == '-' || first[0] == '.';
          if (numeric && !Integer(first)) continue;
          const std::vector<std::string> parts = Split(first, '.');
          if (Integer(Trim(parts.back())) && !Resolves(LookupScope(record), kNset, first))
            ReferMember(LookupScope(record), line, first, kNode, "field node ");
          else
            ReferName(record, line, kNset, first, "field set ");
        }
      } else if (k == "*model change") {
        // Each data line names an element set; a contact pair's its
        // surfaces. The activation line has none.
        const bool pair = Normal(Option(record, "type")) == Normal("CONTACT PAIR");
        for (const auto& [line, text] : record.data) {
          const std::vector<std::string> fields = Split(text, ',');
          for (std::size_t i = 0; i < (pair ? fields.size() : 1); ++i)
            if (!Trim(fields[i]).empty())
              ReferName(record, line, pair ? kSurface : kElset, fields[i],
                        pair ? "model change surface " : "model change set ");
        }
      } else if (k == "*simpedance") {
        // A nonreflecting boundary names no property; the data line names
        // the surface.
        if (HasOption(record, "property") &&
            !impedanceProperties_.count(Normal(Option(record, "property"))))
          Report(record.line, "undefined impedance property",
                 "property=" + Option(record, "property"));
        for (const auto& [line, text] : record.data)
          ReferName(record, line, kSurface, Split(text, ',')[0], "impedance surface ");
      } else if (k == "*sfilm" || k == "*film" || k == "*cfilm" || k == "*sradiate" ||
                 k == "*radiate" || k == "*cradiate") {
        ReferThermalCondition(record);
      } else if (k == "*foundation") {
        // Each data line names an element set of a surface's faces.
        for (const auto& [line, text] : record.data)
          ReferName(record, line, kElset, Trim(Split(text, ',')[0]), "foundation set ");
      } else if (k == "*connector motion") {
        for (const auto& [line, text] : record.data)
          ReferName(record, line, kElset, Trim(Split(text, ',')[0]), "connector motion set ");
      } else if (k == "*adaptive mesh constraint") {
        // Each data line names a node set.
        for (const auto& [line, text] : record.data)
          ReferName(record, line, kNset, Trim(Split(text, ',')[0]), "mesh constraint set ");
      } else if (k == "*connector load") {
        for (const auto& [line, text] : record.data)
          ReferName(record, line, kElset, Trim(Split(text, ',')[0]), "load set ");
      } else if (k == "*sload") {
        // The element that stands for the substructure, by its label.
        for (const auto& [line, text] : record.data)
          ReferMember(LookupScope(record), line, Trim(Split(text, ',')[0]), kElement,
                      "substructure element ");
      } else if (k == "*contact pair" || k == "*contact interference") {
        // The pair's two surfaces (a self contact leaves the second empty);
        // an interference's values follow them.
        for (const auto& [line, text] : record.data) {
          const std::vector<std::string> fields = Split(text, ',');
          for (std::size_t i = 0; i < std::min<std::size_t>(fields.size(), 2); ++i)
            if (!Trim(fields[i]).empty())
              ReferName(record, line, kSurface, fields[i], "contact surface ");
        }
      } else if (k == "*tie" || k == "*shell to solid coupling") {
        for (const auto& [line, text] : record.data)
          for (const std::string& field : Split(text, ','))
            if (!Trim(field).empty()) ReferName(record, line, kSurface, field, "surface ");
      } else if (k == "*equation") {
        // The number of terms, then "set, dof, coefficient" per term, the
        // set a node set or a node ("Inst.label").
        for (std::size_t row = 1; row < record.data.size(); ++row) {
          const auto& [line, text] = record.data[row];
          const std::vector<std::string> f = Split(text, ',');
          for (std::size_t i = 0; i < f.size(); i += 3) {
            const std::string set = Trim(f[i]);
            if (set.empty()) continue;
            if (Integer(Split(set, '.').back()))
              ReferNode(record.scope, line, set, "equation node ");
            else
              ReferName(record, line, kNset, set, "equation set ");
          }
        }
      } else if (k == "*embedded element") {
        for (const auto& [line, text] : record.data)
          for (const std::string& field : Split(text, ','))
            if (!Trim(field).empty()) ReferName(record, line, kElset, field, "embedded elset ");
      }
    }
  }

  // --- section keywords ----------------------------------------------------

  // A section keyword ("*Solid Section", "*Connector Section", ...); an
  // integrated output section is output data, not a section of elements.
  static bool IsSection(const std::string& keyword) {
    static const std::string tail = " section";
    return keyword.size() > tail.size() && keyword != "*integrated output section" &&
           keyword != "*pre-tension section" &&
           keyword.compare(keyword.size() - tail.size(), tail.size(), tail) == 0;
  }

  std::vector<std::string> ChainKeys(const std::string& scope) const {
    std::vector<std::string> keys{scope};
    auto it = scopes_.find(scope);
    if (it != scopes_.end() && it->second.instance && scopes_.count("P:" + it->second.part))
      keys.push_back("P:" + it->second.part);
    return keys;
  }

  // Adds the element labels of set `name` seen from `scope` to `out`
  // (nested set names followed, each set once; generate ranges capped).
  void ExpandElset(const std::string& scope, const std::string& name, std::set<std::int64_t>& out,
                   std::set<std::string>& seen) const {
    for (const std::string& key : ChainKeys(scope)) {
      const Scope& s = scopes_.at(key);
      auto it = s.elsets.find(name);
      if (it == s.elsets.end()) continue;
      if (!seen.insert(key + "|" + name).second) return;
      for (const Record* record : it->second) {
        if (record->broken) continue;
        if (record->keyword == "*element") {
          for (const auto& row : record->data)
            if (auto label = Integer(Split(row.second, ',')[0])) out.insert(*label);
          continue;
        }
        const bool generate = HasOption(*record, "generate");
        for (const auto& row : record->data) {
          const std::vector<std::string> f = Split(row.second, ',');
          if (generate) {
            if (f.size() < 3) continue;
            auto first = Integer(f[0]), last = Integer(f[1]), step = Integer(f[2]);
            if (!first || !last || !step || *step < 1) continue;
            int most = 1000000;
            for (std::int64_t l = *first; l <= *last && most-- > 0; l += *step)
              out.insert(l);
            continue;
          }
          for (const std::string& field : f) {
            const std::string token = Trim(field);
            if (token.empty()) continue;
            if (auto label = Integer(token))
              out.insert(*label);
            else
              ExpandElset(key, Normal(token), out, seen);
          }
        }
      }
      return;  // the nearest scope that defines the name
    }
  }

  // The ply lines of a composite section: thickness, integration points,
  // material (a "*Material"), orientation (an angle, or an "*Orientation" of
  // the section's scope) and ply name.
  void CheckPlies(const Record& record) {
    for (const auto& [line, text] : record.data) {
      const std::vector<std::string> f = Split(text, ',');
      if (f.size() > 2 && !Trim(f[2]).empty() && !plainMaterials_.count(Normal(f[2])))
        Report(line, "undefined material", "ply material " + Trim(f[2]));
      if (f.size() > 3 && !Trim(f[3]).empty() && !IsNumber(f[3]))
        ReferOrientation(record, line, f[3], "ply orientation ");
    }
  }

  // The distributions an orientation names: element axes (or an orientation
  // field) on a first data line of one name, an angle distribution as the
  // second field of the rotation line.
  void CheckOrientationData(const Record& record) {
    if (record.data.empty()) return;
    const auto& [line, first] = record.data[0];
    if (first.find(',') == std::string::npos && !IsNumber(first) &&
        !HasDistribution(record.scope, Normal(first)))
      Report(line, "undefined distribution", Trim(first));
    if (record.data.size() < 2) return;
    const auto& [rotationLine, rotation] = record.data[1];
    const std::vector<std::string> f = Split(rotation, ',');
    if (f.size() == 2 && !IsNumber(f[1]) && !HasDistribution(record.scope, Normal(f[1])))
      Report(rotationLine, "undefined distribution", "orientation angle " + Trim(f[1]));
  }

  void CheckSections() {
    // Section records by the scope they are written in.
    std::map<std::string, std::vector<const Record*>> byScope;
    for (const Record& record : records_) {
      if (!record.broken && record.keyword == "*orientation") CheckOrientationData(record);
      if (record.broken || !IsSection(record.keyword)) continue;
      const std::string& name = record.keyword;
      // Connector sections belong to the assembly's connector elements.
      if (record.scope == "A" && name != "*connector section") {
        Report(record.line, "section keyword in the assembly", name);
        continue;
      }
      if (record.step) {
        Report(record.line, "section keyword in a step", name);
        continue;
      }
      byScope[record.scope].push_back(&record);
      const std::string elset = Normal(Option(record, "elset"));
      if (elset.empty())
        Report(record.line, "section without elset=", "");
      else if (!Has(record.scope, kElset, elset))
        Report(record.line, "undefined elset", "elset=" + Trim(Option(record, "elset")));
      // A section's set is one "*Elset" block of its scope (an instance with
      // its part): a second block of the name would add another group's
      // elements to it.
      int blocks = 0;
      for (const std::string& key : ChainKeys(record.scope)) {
        auto it = elsetBlocks_.find(key + "|" + elset);
        blocks += it == elsetBlocks_.end() ? 0 : it->second;
      }
      if (blocks > 1)
        Report(record.line, "section elset defined twice",
               std::to_string(blocks) + " *Elset blocks of " + Trim(Option(record, "elset")));
      if (HasOption(record, "orientation"))
        ReferOrientation(record, record.line, Option(record, "orientation"), "orientation=");
      // A connector section's behavior= names a connector behaviour (checked
      // with the behaviours), any other section's a gasket behaviour.
      if (HasOption(record, "behavior") && name != "*connector section" &&
          !gasketBehaviors_.count(Normal(Option(record, "behavior"))))
        Report(record.line, "undefined gasket behavior",
               "behavior=" + Trim(Option(record, "behavior")));
      if (HasOption(record, "nodal thickness")) {
        // Its nodes' thicknesses in its scope (an instance with its part; a
        // part's section also by each instance's own block).
        bool given = false;
        for (const std::string& key : ChainKeys(record.scope))
          given = given || nodalScopes_.count(key);
        for (const auto& [key, scope] : scopes_)
          given = given ||
                  (scope.instance && record.scope == "P:" + scope.part && nodalScopes_.count(key));
        if (!given)
          Report(record.line, "nodal thickness not given", "no *Nodal Thickness in scope");
      }
      if (HasOption(record, "controls") &&
          !sectionControls_.count(Normal(Option(record, "controls"))))
        Report(record.line, "undefined section controls",
               "controls=" + Trim(Option(record, "controls")));
      const std::string material = Normal(Option(record, "material"));
      if (HasOption(record, "material") && !materials_.count(material))
        Report(record.line, "undefined material", "material=" + Trim(Option(record, "material")));
      else if (name == "*gasket section" && HasOption(record, "material") &&
               !plainMaterials_.count(material))
        Report(record.line, "gasket section names no *Material",
               "material=" + Trim(Option(record, "material")));
      if (HasOption(record, "composite")) CheckPlies(record);
      for (const char* key : {"shell thickness", "membrane thickness", "offset"}) {
        const std::string value = Trim(Option(record, key));
        if (value.empty() || IsNumber(value)) continue;
        const std::string distribution = Normal(value);
        if (distribution == "spos" || distribution == "sneg") continue;
        if (!HasDistribution(record.scope, distribution))
          Report(record.line, "undefined distribution", std::string(key) + "=" + value);
      }
    }
    // The sections an element takes: a part's or the flat file's own; an
    // instance's own and its part's.
    for (const auto& [key, scope] : scopes_) {
      // An instance without sections of its own takes its part's: checked
      // with the part.
      if (key == "A" || (scope.instance && !byScope.count(key))) continue;
      std::vector<const Record*> sections;
      for (const std::string& k : ChainKeys(key)) {
        auto it = byScope.find(k);
        if (it != byScope.end())
          sections.insert(sections.end(), it->second.begin(), it->second.end());
      }
      if (sections.size() < 2) continue;
      std::map<std::int64_t, const Record*> taken;
      for (const Record* record : sections) {
        std::set<std::int64_t> labels;
        std::set<std::string> seen;
        ExpandElset(key, Normal(Option(*record, "elset")), labels, seen);
        for (std::int64_t label : labels) {
          auto [it, fresh] = taken.emplace(label, record);
          if (fresh) continue;
          Report(record->line, "element with two sections",
                 "element " + std::to_string(label) + (key == "M" ? "" : " of " + key.substr(2)) +
                     " also by line " + std::to_string(it->second->line));
          break;  // one finding per section keyword
        }
      }
    }
  }

  // --- distributions -------------------------------------------------------

  // A number as a data line holds it ("7.8", "1e-3", "-2."); names are not.
  static bool IsNumber(const std::string& raw) {
    const std::string t = Trim(raw);
    if (t.empty()) return false;
    char* end = nullptr;
    std::strtod(t.c_str(), &end);
    return end == t.c_str() + t.size();
  }
  // A part's orientation may name a distribution its instances define
  // ("Inst.name" in the assembly): each instance gives its own rows.
  bool HasDistribution(const std::string& scope, const std::string& name) const {
    for (const Scope* s : Chain(scope))
      if (s->distributions.count(name)) return true;
    // A name holding "." is one of the assembly's.
    if (name.find('.') != std::string::npos && scopes_.count("A") &&
        scopes_.at("A").distributions.count(name))
      return true;
    if (scope.rfind("P:", 0) == 0)
      for (const auto& [key, s] : scopes_)
        if (s.instance && "P:" + s.part == scope && s.distributions.count(name)) return true;
    return false;
  }
  // A row's first field: a label of `kind` in `scope`, or outside the parts
  // "Inst.label" of an instance (split at the first dot outside quotes).
  void ReferRowLabel(const std::string& scope, int line, Kind kind, const std::string& raw,
                     const std::string& what) {
    const std::vector<std::string> parts = Split(Trim(raw), '.');
    if (parts.size() > 1 && Integer(parts.back())) {
      const std::string instance = Normal(parts[0]);
      if ((scope != "A" && scope != "M") || !scopes_.count("I:" + instance)) {
        Report(line, "undefined instance", what + Trim(raw));
        return;
      }
      ReferLabel("I:" + instance, line, kind, Join(parts, 1, parts.size()), what);
      return;
    }
    ReferLabel(scope, line, kind, raw, what);
  }

  void CheckDistributions() {
    for (const Record& record : records_) {
      if (record.broken) continue;
      const std::string& k = record.keyword;
      if (k == "*distribution") {
        const std::string table = Trim(Option(record, "table"));
        if (table.empty())
          Report(record.line, "distribution without table=", "");
        else if (Normal(table) != "_tm_dist_table" && !tables_.count(Normal(table)))
          Report(record.line, "undefined distribution table", "Table=" + table);
        const Kind kind = Lower(Trim(Option(record, "location"))) == "node" ? kNode : kElement;
        std::set<std::string> rows;
        bool repeated = false;
        for (const auto& [line, text] : record.data) {
          const std::string first = Trim(Split(text, ',')[0]);
          if (first.empty()) continue;
          ReferRowLabel(record.scope, line, kind, first, "distribution row ");
          if (!rows.insert(Normal(first)).second && !repeated) {
            repeated = true;  // once per distribution
            Report(line, "distribution row given twice", first);
          }
        }
      } else if (k == "*nodal thickness") {
        // Each node once in a block and once in its scope (an instance
        // with its part); one finding of each kind per block.
        std::set<std::string> rows;
        bool repeated = false, earlier = false;
        for (const auto& [line, text] : record.data) {
          const std::string first = Trim(Split(text, ',')[0]);
          ReferRowLabel(record.scope, line, kNode, first, "nodal thickness row ");
          if (first.empty()) continue;
          const std::string node = Normal(first);
          if (!rows.insert(node).second) {
            if (!repeated) Report(line, "nodal thickness row given twice", first);
            repeated = true;
            continue;
          }
          bool before = false;
          for (const std::string& key : ChainKeys(record.scope))
            before = before || nodalThickness_[key].count(node);
          if (before && !earlier) Report(line, "nodal thickness defined twice", "node " + first);
          earlier = earlier || before;
        }
        nodalThickness_[record.scope].insert(rows.begin(), rows.end());
      } else if (k == "*density" && !record.data.empty()) {
        const auto& [line, text] = record.data.front();
        const std::string first = Trim(Split(text, ',')[0]);
        if (first.empty() || IsNumber(first)) continue;
        const std::string name = Normal(first);
        static const std::string prefix = "assembly_";
        const bool outside = name.compare(0, prefix.size(), prefix) == 0 &&
                             (HasDistribution("A", name.substr(prefix.size())) ||
                              HasDistribution("M", name.substr(prefix.size())));
        if (!outside && !HasDistribution(record.scope, name))
          Report(line, "undefined distribution", "*Density " + first);
      }
    }
  }

  // --- connector behaviours --------------------------------------------------

  // "*Connector Behavior" once per model, outside blocks; every behavior= of
  // a "*Connector Section" defined; "*Connector Derived Component" names
  // (one keyword per term, so a name may repeat inside its block) defined by
  // one behaviour block only, and every derived component that a potential
  // term or a friction's contact force= names defined.
  void CheckConnectorBehaviors() {
    std::set<std::string> behaviors;
    std::map<std::string, std::string> derivedOwner;  // component -> behaviour
    std::string current;
    for (const Record& record : records_) {
      const std::string& k = record.keyword;
      if (k == "*connector behavior") {
        current = Normal(Option(record, "name"));
        if (current.empty()) Report(record.line, "empty name", "*Connector Behavior");
        if (record.scope != "M" || record.step)
          Report(record.line, "connector behavior inside a block", current);
        if (!behaviors.insert(current).second)
          Report(record.line, "connector behavior defined twice", current);
      } else if (k == "*connector derived component") {
        const std::string name = Normal(Option(record, "name"));
        const auto [at, fresh] = derivedOwner.emplace(name, current);
        if (!fresh && at->second != current)
          Report(record.line, "derived component defined by two behaviors", name);
      }
    }
    for (const Record& record : records_) {
      if (record.broken) continue;
      const std::string& k = record.keyword;
      if (k == "*connector section" && HasOption(record, "behavior") &&
          !behaviors.count(Normal(Option(record, "behavior"))))
        Report(record.line, "undefined connector behavior", Option(record, "behavior"));
      if (k == "*connector friction") {
        const std::string force = Trim(Option(record, "contact force"));
        if (HasOption(record, "contact force") && force.empty())
          Report(record.line, "empty contact force", "");
        if (!force.empty() && !IsNumber(force) && !derivedOwner.count(Normal(force)))
          Report(record.line, "undefined derived component", force);
      }
      if (k != "*connector potential") continue;
      for (const auto& [line, text] : record.data) {
        const std::string first = Trim(Split(text, ',')[0]);
        if (first.empty())
          Report(line, "potential term without component", "");
        else if (!IsNumber(first) && !derivedOwner.count(Normal(first)))
          Report(line, "undefined derived component", first);
      }
    }
  }

  // --- output requests -----------------------------------------------------

  static bool IsOutputVariableKeyword(const std::string& keyword) {
    static const std::set<std::string> keywords = {
        "*node output",  "*element output",        "*energy output",    "*contact output",
        "*modal output", "*incrementation output", "*radiation output", "*integrated output"};
    return keywords.count(keyword) > 0;
  }

  // A film or radiation keyword's lines (see the header comment). A film
  // line's last field names a film property unless it is a number.
  void ReferThermalCondition(const Record& record) {
    const std::string& k = record.keyword;
    const bool surface = k == "*sfilm" || k == "*sradiate";
    const bool faces = k == "*film" || k == "*radiate";
    const bool film = k == "*sfilm" || k == "*film" || k == "*cfilm";
    for (const auto& [line, text] : record.data) {
      const std::vector<std::string> f = Split(text, ',');
      const std::string first = Trim(f[0]);
      if (surface) {
        ReferName(record, line, kSurface, first, "film or radiation surface ");
      } else if (faces) {
        ReferMember(LookupScope(record), line, first, kElement, "film or radiation element ");
      } else {
        const std::vector<std::string> parts = Split(first, '.');
        if (!first.empty() && Integer(Trim(parts.back())) &&
            !Resolves(LookupScope(record), kNset, first))
          ReferMember(LookupScope(record), line, first, kNode, "film or radiation node ");
        else
          ReferName(record, line, kNset, first, "film or radiation set ");
      }
      const std::string last = Trim(f.back());
      const bool number =
          !last.empty() && (std::isdigit(static_cast<unsigned char>(last[0])) || last[0] == '-' ||
                            last[0] == '.' || last[0] == '+');
      if (film && f.size() > 2 && !last.empty() && !number &&
          !filmProperties_.count(Normal(last)))
        Report(line, "undefined film property", last);
    }
    if (HasOption(record, "film amplitude")) {
      bool defined = false;
      for (const Record& other : records_)
        if (other.keyword == "*amplitude" &&
            Normal(Option(other, "name")) == Normal(Option(record, "film amplitude")))
          defined = true;
      if (!defined)
        Report(record.line, "undefined amplitude",
               "film amplitude=" + Trim(Option(record, "film amplitude")));
    }
  }

  // "*Amplitude", "*Spectrum" and "*Psd-definition" once per name and
  // outside the steps; "*Baseline Correction" right after an "*Amplitude";
  // every amplitude= names an "*Amplitude" ("*Step, amplitude=" names the
  // solver's own RAMP or STEP).
  void CheckAmplitudes() {
    std::set<std::string> all, amplitudes;  // every name; the "*Amplitude" names
    for (std::size_t i = 0; i < records_.size(); ++i) {
      const Record& record = records_[i];
      const std::string& k = record.keyword;
      if (k == "*baseline correction" && (i == 0 || records_[i - 1].keyword != "*amplitude"))
        Report(record.line, "*Baseline Correction not after *Amplitude", "");
      if (k != "*amplitude" && k != "*spectrum" && k != "*psd-definition") continue;
      if (record.step) Report(record.line, "amplitude inside a step", "");
      const std::string name = Normal(Option(record, "name"));
      if (name.empty())
        Report(record.line, "empty name", "amplitude");
      else if (!all.insert(name).second)
        Report(record.line, "amplitude defined twice", name);
      if (k == "*amplitude") amplitudes.insert(name);
    }
    for (const Record& record : records_) {
      if (record.broken || record.keyword == "*step" || !HasOption(record, "amplitude")) continue;
      if (!amplitudes.count(Normal(Option(record, "amplitude"))))
        Report(record.line, "undefined amplitude",
               "amplitude=" + Trim(Option(record, "amplitude")));
    }
  }

  // "*Surface Interaction" once per model, outside blocks; every
  // interaction= of a "*Contact Pair", "*Change Friction" or "*Enrichment", and the
  // property each "*Contact Property Assignment" line ends with, defined.
  void CheckInteractionProperties() {
    std::set<std::string> properties;
    for (const Record& record : records_) {
      if (record.keyword != "*surface interaction") continue;
      const std::string name = Normal(Option(record, "name"));
      if (name.empty()) Report(record.line, "empty name", "*Surface Interaction");
      if (record.scope != "M" || record.step)
        Report(record.line, "interaction property inside a block", name);
      if (!properties.insert(name).second)
        Report(record.line, "interaction property defined twice", name);
    }
    for (const Record& record : records_) {
      if (record.broken) continue;
      const std::string& k = record.keyword;
      if ((k == "*contact pair" || k == "*change friction" || k == "*enrichment") &&
          HasOption(record, "interaction") &&
          !properties.count(Normal(Option(record, "interaction"))))
        Report(record.line, "undefined interaction property",
               "interaction=" + Trim(Option(record, "interaction")));
      if (k != "*contact property assignment") continue;
      for (const auto& [line, text] : record.data) {
        const std::vector<std::string> fields = Split(text, ',');
        if (fields.size() > 2 && !properties.count(Normal(fields[2])))
          Report(line, "undefined interaction property", "assigned " + Trim(fields[2]));
      }
    }
  }

  // Incident waves and their properties (see the header comment).
  void CheckIncidentWaves() {
    std::set<std::string> properties, amplitudes;
    for (std::size_t i = 0; i < records_.size(); ++i) {
      const Record& record = records_[i];
      const std::string& k = record.keyword;
      if (k == "*amplitude") amplitudes.insert(Normal(Option(record, "name")));
      if (k == "*conwep charge property" || k == "*undex charge property") {
        const std::string before = i == 0 ? "" : records_[i - 1].keyword;
        if (before != "*incident wave interaction property" &&
            !(k == "*undex charge property" && before == "*conwep charge property"))
          Report(record.line, "charge property not after its incident wave property", "");
      }
      if (k != "*incident wave interaction property") continue;
      if (record.step) Report(record.line, "incident wave property inside a step", "");
      const std::string name = Normal(Option(record, "name"));
      if (name.empty())
        Report(record.line, "empty name", "*Incident Wave Interaction Property");
      else if (!properties.insert(name).second)
        Report(record.line, "incident wave property defined twice", name);
    }
    for (const Record& record : records_) {
      if (record.broken || record.keyword != "*incident wave interaction") continue;
      if (!record.step) Report(record.line, "*Incident Wave Interaction outside a step", "");
      if (!properties.count(Normal(Option(record, "property"))))
        Report(record.line, "undefined incident wave property",
               "property=" + Trim(Option(record, "property")));
      for (const char* key : {"pressure amplitude", "acceleration amplitude"})
        if (HasOption(record, key) && !amplitudes.count(Normal(Option(record, key))))
          Report(record.line, "undefined amplitude",
                 std::string(key) + "=" + Trim(Option(record, key)));
    }
  }

  // Cavities, their viewfactors and symmetries (see the header comment).
  void CheckRadiationCavities() {
    std::set<std::string> cavities, surfaceProperties;
    for (const Record& record : records_)
      if (record.keyword == "*surface property")
        surfaceProperties.insert(Normal(Option(record, "name")));
    for (const Record& record : records_) {
      if (record.broken || record.keyword != "*cavity definition") continue;
      if (record.step) Report(record.line, "*Cavity Definition inside a step", "");
      const std::string name = Normal(Option(record, "name"));
      if (name.empty())
        Report(record.line, "empty name", "*Cavity Definition");
      else if (!cavities.insert(name).second)
        Report(record.line, "cavity defined twice", name);
      for (const auto& [line, text] : record.data) {
        const std::vector<std::string> fields = Split(text, ',');
        ReferName(record, line, kSurface, fields[0], "cavity surface ");
        if (fields.size() > 1 && !Normal(fields[1]).empty() &&
            !surfaceProperties.count(Normal(fields[1])))
          Report(line, "undefined surface property", Trim(fields[1]));
      }
    }
    for (std::size_t i = 0; i < records_.size(); ++i) {
      const Record& record = records_[i];
      if (record.broken) continue;
      if (record.keyword == "*radiation symmetry") {
        const Record* before = i == 0 ? nullptr : &records_[i - 1];
        if (!before || before->keyword != "*radiation viewfactor" ||
            Normal(Option(*before, "symmetry")) != Normal(Option(record, "name")))
          Report(record.line, "*Radiation Symmetry not after its viewfactor", "");
        continue;
      }
      if (record.keyword != "*radiation viewfactor") continue;
      if (!record.step) Report(record.line, "*Radiation Viewfactor outside a step", "");
      if (!cavities.count(Normal(Option(record, "cavity"))))
        Report(record.line, "undefined cavity", "cavity=" + Trim(Option(record, "cavity")));
      if (HasOption(record, "symmetry") &&
          (i + 1 == records_.size() || records_[i + 1].keyword != "*radiation symmetry"))
        Report(record.line, "undefined radiation symmetry",
               "symmetry=" + Trim(Option(record, "symmetry")));
      for (const auto& [line, text] : record.data)
        for (const std::string& field : Split(text, ','))
          if (!Trim(field).empty()) ReferName(record, line, kSurface, field, "blocking surface ");
    }
  }

  // Co-simulation keywords (see the header comment).
  void CheckCosimulations() {
    std::set<std::string> controls;  // of the current step
    std::vector<const Record*> cosimulations;
    auto endStep = [&]() {
      for (const Record* record : cosimulations)
        if (!controls.count(Normal(Option(*record, "controls"))))
          Report(record->line, "undefined co-simulation controls",
                 "controls=" + Trim(Option(*record, "controls")));
      controls.clear();
      cosimulations.clear();
    };
    for (const Record& record : records_) {
      const std::string& k = record.keyword;
      if (k == "*step") endStep();
      if (record.broken || k.rfind("*co-simulation", 0) != 0) continue;
      if (!record.step) Report(record.line, "co-simulation keyword outside a step", record.keyword);
      if (k == "*co-simulation controls") {
        const std::string name = Normal(Option(record, "name"));
        if (name.empty())
          Report(record.line, "empty name", "*Co-simulation Controls");
        else if (!controls.insert(name).second)
          Report(record.line, "co-simulation controls defined twice in a step", name);
      } else if (k == "*co-simulation") {
        cosimulations.push_back(&record);
      } else if (k == "*co-simulation region") {
        const bool surface = Normal(Option(record, "type")) == "surface";
        // Standard-Explicit: the region opens the first line, the variables
        // run on over the next ones; fluid-structure: one region per line.
        const bool perLine = HasOption(record, "import") || HasOption(record, "export");
        for (const auto& [line, text] : record.data) {
          ReferName(record, line, surface ? kSurface : kNset, Split(text, ',')[0],
                    "co-simulation region ");
          if (!perLine) break;
        }
      }
    }
    endStep();
  }

  // Adaptive mesh controls and domains (see the header comment).
  void CheckAdaptiveMeshes() {
    std::set<std::string> controls;
    std::vector<const Record*> domains;
    for (const Record& record : records_) {
      const std::string& k = record.keyword;
      if (record.broken || (k != "*adaptive mesh controls" && k != "*adaptive mesh")) continue;
      if (!record.step) Report(record.line, "adaptive mesh keyword outside a step", k);
      if (k == "*adaptive mesh") {
        if (HasOption(record, "controls")) domains.push_back(&record);
        continue;
      }
      const std::string name = Normal(Option(record, "name"));
      if (name.empty())
        Report(record.line, "empty name", "*Adaptive Mesh Controls");
      else if (!controls.insert(name).second)
        Report(record.line, "adaptive mesh controls defined twice", name);
    }
    for (const Record* record : domains)
      if (!controls.count(Normal(Option(*record, "controls"))))
        Report(record->line, "undefined adaptive mesh controls",
               "controls=" + Trim(Option(*record, "controls")));
  }

  // Cyclic symmetry (see the header comment).
  void CheckCyclicSymmetry() {
    bool model = false;
    for (const Record& record : records_) {
      if (record.broken) continue;
      if (record.keyword == "*cyclic symmetry model") {
        if (record.step) Report(record.line, "*Cyclic Symmetry Model inside a step", "");
        if (model) Report(record.line, "cyclic symmetry model given twice", "");
        model = true;
      } else if (record.keyword == "*select cyclic symmetry modes" && !record.step) {
        Report(record.line, "*Select Cyclic Symmetry Modes outside a step", "");
      }
    }
  }

  // Cracks: each "*Enrichment" name once; an XFEM "*Contour Integral"
  // names one of them by its crack name=; every segment line of a contour
  // one (after its normal line, with ", normal") names a crack-front and a
  // crack-tip node set.
  void CheckCracks() {
    std::set<std::string> enrichments;
    for (const Record& record : records_)
      if (record.keyword == "*enrichment" &&
          !enrichments.insert(Normal(Option(record, "name"))).second)
        Report(record.line, "enrichment defined twice", Trim(Option(record, "name")));
    for (const Record& record : records_) {
      if (record.broken || record.keyword != "*contour integral") continue;
      if (HasOption(record, "xfem")) {
        if (!enrichments.count(Normal(Option(record, "crack name"))))
          Report(record.line, "undefined enrichment",
                 "crack name=" + Trim(Option(record, "crack name")));
        continue;
      }
      for (std::size_t i = HasOption(record, "normal") ? 1 : 0; i < record.data.size(); ++i) {
        const auto& [line, text] = record.data[i];
        const std::vector<std::string> f = Split(text, ',');
        ReferName(record, line, kNset, f[0], "crack front ");
        ReferName(record, line, kNset, f.size() > 1 ? f[1] : std::string(), "crack tip ");
      }
    }
  }

  // The element sets the solver makes for fasteners' connector elements.
  void DefineFastenerSets() {
    for (const Record& record : records_)
      if (record.keyword == "*fastener" && HasOption(record, "elset"))
        DefineName(record, kElset, "elset");
  }

  // "*Fastener Property" once per model; a "*Fastener"'s property= one of
  // them, its reference node set= a node set, its target surfaces (the data
  // lines after the projection line) surfaces.
  void CheckFasteners() {
    std::set<std::string> properties;
    for (const Record& record : records_) {
      if (record.keyword != "*fastener property") continue;
      const std::string name = Normal(Option(record, "name"));
      if (name.empty())
        Report(record.line, "empty name", "*Fastener Property");
      else if (!properties.insert(name).second)
        Report(record.line, "fastener property defined twice", Trim(Option(record, "name")));
    }
    for (const Record& record : records_) {
      if (record.broken || record.keyword != "*fastener") continue;
      if (!properties.count(Normal(Option(record, "property"))))
        Report(record.line, "undefined fastener property",
               "property=" + Trim(Option(record, "property")));
      static const std::string kReferenceNodeSet = "reference node set";
      ReferName(record, record.line, kNset, Option(record, kReferenceNodeSet),
                kReferenceNodeSet + "=");
      static const std::string kFastenerSurface = "fastener surface ";
      for (std::size_t i = 1; i < record.data.size(); ++i) {
        const auto& [line, text] = record.data[i];
        for (const std::string& surface : Split(text, ',')) {
          if (Normal(surface).empty())
            Report(line, "empty reference", kFastenerSurface);
          else if (!Resolves(LookupScope(record), kSurface, surface))
            Report(line, "undefined surface", kFastenerSurface + Trim(surface));
        }
      }
    }
  }

  // The orientations a "*Connector Section" names on its second data line
  // (one or two, the first possibly empty); a number there is the data of a
  // section written without an orientation line.
  void CheckConnectorOrientations() {
    for (const Record& record : records_) {
      if (record.broken || record.keyword != "*connector section" || record.data.size() < 2)
        continue;
      const auto& [line, text] = record.data[1];
      for (const std::string& field : Split(text, ',')) {
        const std::string token = Trim(field);
        if (token.empty()) continue;
        char* end = nullptr;
        std::strtod(token.c_str(), &end);
        if (end && *end == '\0') continue;
        ReferOrientation(record, line, token, "connector orientation ");
      }
    }
  }

  // "*Filter" and "*Integrated Output Section" once per model, every
  // filter= and section= defined; "*Monitor, node=" a node or a node set;
  // "*Output" only in a step, the output variable keywords only after an
  // "*Output" of their step and of their substructure path level (a
  // "*Substructure Path" line ends the "*Output" before it); "*Substructure
  // Path, enter" left again in its step.
  void CheckOutputRequests() {
    std::set<std::string> filters, sections;
    for (const Record& record : records_) {
      const std::string& k = record.keyword;
      if (k != "*filter" && k != "*integrated output section") continue;
      const std::string name = Normal(Option(record, "name"));
      const bool filter = k == "*filter";
      if (name.empty())
        Report(record.line, "empty name", filter ? "*Filter" : "*Integrated Output Section");
      else if (!(filter ? filters : sections).insert(name).second)
        Report(record.line,
               filter ? "filter defined twice" : "integrated output section defined twice", name);
    }
    bool output = false;       // an "*Output" opens output of the current level
    std::vector<int> entered;  // lines of the open "*Substructure Path, enter"
    auto endStep = [&]() {
      if (!entered.empty()) Report(entered.back(), "*Substructure Path not left", "");
      entered.clear();
      output = false;
    };
    for (const Record& record : records_) {
      const std::string& k = record.keyword;
      if (k == "*step" || k == "*end step") {
        endStep();
        continue;
      }
      if (k == "*output") {  // its names may be unreadable, the keyword is not
        if (!record.step) Report(record.line, "*Output outside a step", "");
        output = record.step;
      }
      if (record.broken) continue;
      if (HasOption(record, "filter") && !filters.count(Normal(Option(record, "filter"))))
        Report(record.line, "undefined filter", "filter=" + Trim(Option(record, "filter")));
      if (IsOutputVariableKeyword(k)) {
        if (!output) Report(record.line, "output variable keyword without *Output", "");
        if (k == "*integrated output" && HasOption(record, "section") &&
            !sections.count(Normal(Option(record, "section"))))
          Report(record.line, "undefined integrated output section",
                 "section=" + Trim(Option(record, "section")));
      } else if (k == "*substructure path") {
        output = false;
        if (!record.step) Report(record.line, "*Substructure Path outside a step", "");
        // "enter element=N" reads as the option "enter element".
        const bool enter =
            std::any_of(record.options.begin(), record.options.end(),
                        [](const auto& o) { return o.first.rfind("enter", 0) == 0; });
        if (enter) {
          entered.push_back(record.line);
          // The substructure's element: a label, defined where a flat file
          // holds it (a part-based file holds it in its instance).
          for (const auto& [key, value] : record.options)
            if (key.rfind("enter", 0) == 0 && key.find("element") != std::string::npos) {
              if (scopes_.count("A"))
                Label(record.line, value, kElement, "element=");
              else
                ReferLabel("M", record.line, kElement, value, "element=");
            }
        } else if (HasOption(record, "leave")) {
          if (entered.empty())
            Report(record.line, "*Substructure Path, leave without enter", "");
          else
            entered.pop_back();
        }
      } else if (k == "*monitor") {
        // A node set of the name, else a label or "Inst.label".
        const std::string node = Trim(Option(record, "node"));
        if (!Integer(node) &&
            (Resolves(LookupScope(record), kNset, node) || !Integer(Split(node, '.').back())))
          ReferName(record, record.line, kNset, node, "node=");
        else
          ReferNode(LookupScope(record), record.line, node, "node=");
      }
    }
    endStep();
  }
};

inline std::vector<DeckFinding> CheckDeck(const std::string& deck) {
  return DeckChecker().Check(deck);
}

}  // namespace aif_test
