#include "Summary.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Logs.h"
#include "ModelMembers.h"
#include "Printable.h"

namespace exload {

namespace {

// Counts objects by class; leaves are passed over.
class CountVisitor {
public:
    void Kind(const char* kind) { ++m_counts[kind]; }
    template <class T>
    void operator()(const char*, const T&)
    {
    }
    template <class T>
    void Obj(const char*, const T* p)
    {
        if (p)
            ex::Describe(*this, *p);
    }
    template <class A>
    void Arr(const char*, const A* p)
    {
        if (p)
            Items(nullptr, *p);
    }
    template <class A>
    void Items(const char*, const A& a)
    {
        for (const auto* p : a)
            if (p)
                ex::Describe(*this, *p);
    }

    // Keys are the class names, string literals that outlive the visitor.
    std::unordered_map<std::string_view, std::int64_t> m_counts;
};

struct Label {
    std::string_view sClass;
    const char* label;
    bool bAlways;  // shown even when there is none
};

// The order of the object table. Classes not listed are shown after it by
// class name; log entries and the file objects themselves are not counted.
constexpr Label kLabels[] = {
    {"CExLayer_Stackup", "stackup layers", false},
    {"CExJobPreferenceVia", "via spans", false},
    {"CExPad", "pads", true},
    {"CExHole", "holes", true},
    {"CExPadstack", "padstacks", true},
    {"CExInternalPadLayerPAD", "internal pad entries", false},
    {"CExCustom_Drill_Symbol", "custom drill symbols", false},
    {"CExPackage_Cell", "package cells", true},
    {"CExMechanical_Cell", "mechanical cells", true},
    {"CExDrawing_Cell", "drawing cells", true},
    {"CExPanel_Cell", "panel cells", true},
    {"CExReUseCircuit_Cell", "reusable circuit cells", true},
    {"CExPackage_Pin", "pins", true},
    {"CExPlacement_Outline", "placement outlines", false},
    {"CExTooling_Hole", "tooling holes", false},
    {"CExNet", "nets", true},
    {"CExTrace", "traces", true},
    {"CExVia", "vias", true},
    {"CExTestPoint", "test points", true},
    {"CExConductive_Area", "conductive areas", true},
    {"CExPlane_Lyr", "plane layers", true},
    {"CExPlane_Net", "plane nets", false},
    {"CExPlane_ActualShape", "actual plane shapes", false},
    {"CExText", "texts", true},
    {"CExTearDrop_Template", "teardrop templates", false},
    {"CExTearDrop_Data", "teardrop data", false},
    {"CExAssembly_Outline", "assembly outlines", false},
    {"CExSilkScreen_Outline", "silkscreen outlines", false},
    {"CExMC_SolderMask", "solder masks", false},
    {"CExSolder_Paste", "solder pastes", false},
    {"CExPlacement_Keepout", "placement keepouts", false},
    {"CExMounting_Hole", "mounting holes", false},
    {"CExFiducial", "fiducials", false},
    {"CExObstruct", "obstructs", false},
    {"CExGraphic", "graphics", false},
    {"CExDimension", "dimensions", false},
    {"CExDimension_Setting", "dimension settings", false},
    {"CExPanel_Board_Instance", "panel board instances", false},
    {"CExDesignRule_Area", "design rule areas", false},
    {"CExContour", "contours", false},
    {"CExPartData", "parts", true},
    {"CExPartDataSlot", "part slots", false},
    {"CExPartDataSwapGrp", "part swap groups", false},
    {"CExPartDataSymbol", "part symbols", false},
    {"CExNetClass", "net classes", true},
    {"CExNetProp", "net properties", false},
    {"CExNetConnection", "net connections", false},
};

// Counted but not worth a row: containers, file objects, log entries.
constexpr std::string_view kHidden[] = {
    "CExExpedition",         "CExJobPreferences", "CExPadstack_Library",   "CExCell_Library",
    "CExLayout",             "CExLibPart",        "CExNetConnectionArray", "CExNetClassArray",
    "CExNetPropArray",       "CExTemporary",      "CExLayerPair",          "CExRefPin",
};

std::string Size(std::uint64_t n)
{
    char buf[32];
    if (n < 10000)
        std::snprintf(buf, sizeof buf, "%llu B", static_cast<unsigned long long>(n));
    else if (n < 10000000)
        std::snprintf(buf, sizeof buf, "%.1f kB", static_cast<double>(n) / 1e3);
    else
        std::snprintf(buf, sizeof buf, "%.1f MB", static_cast<double>(n) / 1e6);
    return buf;
}

std::string Units(const std::string& s) { return s.empty() ? "-" : Printable(s, kNameBytes); }

// The file units that each file object stores.
std::string FileUnits(const CExExpedition& root, FileKind k)
{
    switch (k) {
    case FileKind::JobPrefs: return root.pJobPreferences ? Units(root.pJobPreferences->sUnits) : "-";
    case FileKind::Cells: return root.pCellLibrary ? Units(root.pCellLibrary->sUnits) : "-";
    case FileKind::Layout: return root.pLayout ? Units(root.pLayout->sUnits) : "-";
    case FileKind::Padstacks: return root.pPadstackLibrary ? Units(root.pPadstackLibrary->sUnits) : "-";
    case FileKind::Parts: return root.pLibPart ? Units(root.pLibPart->sUnits) : "-";
    case FileKind::NetClass: break;  // the net class file keeps no units
    }
    return "-";
}

void PrintFiles(const LoadedDesign& d, std::FILE* out)
{
    std::fprintf(out, "%s load\n\n%-17s %-6s %10s  %s\n", d.bLibrary ? "library" : "design", "file", "units", "read",
                 "path");
    for (const FileRead& r : d.reads)
        std::fprintf(out, "%-17s %-6s %10s  %s\n", KindTitle(r.kind), FileUnits(*d.root, r.kind).c_str(),
                     Size(r.nBytes).c_str(), Printable(r.path).c_str());
    std::fprintf(out, "\ndesign units: %s", Units(g_sUnits).c_str());
    if (const CExJobPreferences* jp = d.root->pJobPreferences)
        std::fprintf(out, " (design units setting %s, %d physical layers)", Units(jp->sDesignUnits).c_str(),
                     jp->nPhysicalLayers);
    std::fprintf(out, "\n");
}

void PrintStackup(const CExExpedition& root, std::FILE* out)
{
    const CExJobPreferences* jp = root.pJobPreferences;
    if (!jp || !jp->pLayerStackupArray || jp->pLayerStackupArray->IsEmpty())
        return;
    std::fprintf(out, "\nlayer stackup\n%4s  %-20s %-28s %10s  %s\n", "#", "name", "type", "thickness", "plane nets");
    for (const CExLayer_Stackup* l : *jp->pLayerStackupArray) {
        if (!l)
            continue;
        std::string type = Printable(l->sLayerType, kNameBytes);
        if (!l->sPlaneType.empty())
            type += " (" + Printable(l->sPlaneType, kNameBytes) + ")";
        std::string nets;
        for (const std::string& n : l->saPlaneNets)
            nets += (nets.empty() ? "" : ", ") + Printable(n, kNameBytes);
        std::fprintf(out, "%4d  %-20s %-28s %10g  %s\n", l->nLayerNumber, Printable(l->sLayerName, kNameBytes).c_str(),
                     type.c_str(), l->dLayerThickness, nets.c_str());
    }
}

void PrintObjects(const CExExpedition& root, std::FILE* out)
{
    std::map<std::string, std::int64_t> counts = CountObjects(root);
    std::fprintf(out, "\nobjects\n");
    for (const Label& l : kLabels) {
        const auto it = counts.find(std::string(l.sClass));
        const std::int64_t n = it == counts.end() ? 0 : it->second;
        if (it != counts.end())
            counts.erase(it);
        if (n > 0 || l.bAlways)
            std::fprintf(out, "  %-24s %10lld\n", l.label, static_cast<long long>(n));
    }
    for (std::string_view h : kHidden)
        counts.erase(std::string(h));
    // What is left: the draw objects by class, and any class not listed.
    if (!counts.empty())
        std::fprintf(out, "\nobjects by class\n");
    for (const auto& [cls, n] : counts)
        std::fprintf(out, "  %-28s %10lld\n", cls.c_str(), static_cast<long long>(n));
}

// The five keywords logged most often, most frequent first.
std::string TopKeywords(const std::vector<const CExTemporaryArray*>& logs)
{
    std::unordered_map<std::string_view, std::int64_t> byKeyword;
    for (const CExTemporaryArray* log : logs)
        for (const CExTemporary* e : *log)
            if (e)
                ++byKeyword[e->sKeyword];
    std::vector<std::pair<std::string_view, std::int64_t>> top(byKeyword.begin(), byKeyword.end());
    const auto n = std::min<std::size_t>(5, top.size());
    std::partial_sort(top.begin(), top.begin() + static_cast<std::ptrdiff_t>(n), top.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += (i ? ", " : "") + Printable(top[i].first, kNameBytes) + " (" + std::to_string(top[i].second) + ")";
    return s;
}

// One row per file and log; the three arrays of the net class file share theirs.
void PrintLogCounts(const CExExpedition& root, std::FILE* out)
{
    std::fprintf(out, "\nlogs\n%-17s %-8s %8s  %s\n", "file", "log", "entries", "most frequent keywords");
    const std::vector<FileLog> logs = CollectLogs(root);
    for (std::size_t i = 0; i < logs.size();) {
        std::vector<const CExTemporaryArray*> same;
        std::int64_t n = 0;
        std::size_t j = i;
        for (; j < logs.size() && logs[j].kind == logs[i].kind && logs[j].log == logs[i].log; ++j)
            if (logs[j].entries) {
                same.push_back(logs[j].entries);
                n += logs[j].entries->GetSize();
            }
        std::fprintf(out, "%-17s %-8s %8lld  %s\n", KindTitle(logs[i].kind), LogName(logs[i].log),
                     static_cast<long long>(n), TopKeywords(same).c_str());
        i = j;
    }
}

} // namespace

std::map<std::string, std::int64_t> CountObjects(const CExExpedition& root)
{
    CountVisitor v;
    ex::Describe(v, root);
    return {v.m_counts.begin(), v.m_counts.end()};
}

void PrintSummary(const LoadedDesign& d, std::FILE* out)
{
    PrintFiles(d, out);
    PrintStackup(*d.root, out);
    PrintObjects(*d.root, out);
    PrintLogCounts(*d.root, out);
    const double mb = static_cast<double>(d.nBytes) / 1e6;
    std::fprintf(out, "\nread %s in %.3f s, %.1f MB/s\n", Size(d.nBytes).c_str(), d.dSeconds,
                 d.dSeconds > 0 ? mb / d.dSeconds : 0.0);
}

} // namespace exload
