// exload: loads a board design and tells what it holds, exports it as JSON
// or draws it.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "DesignFiles.h"
#include "JsonExport.h"
#include "Logs.h"
#include "Render.h"
#include "Summary.h"
#include "TerminalProgress.h"

namespace {

using exload::FileKind;
using exload::UsageError;

struct Options {
    std::string design;
    std::string jobprefs, layout, netclass, parts;
    std::vector<std::string> cells, padstacks;
    bool library = false;
    bool quiet = false;
    // logs
    std::string logFile, logKind;
    // json and render
    std::string output;
    // render
    std::vector<std::string> layers;
    std::string side = "top";
    int width = 1600;
};

// Thrown when an output cannot be written; exit status 1.
struct OutputError {
    std::string message;
};

exload::DesignFiles Resolve(const Options& o, bool& bLibrary)
{
    bLibrary = o.library;
    exload::DesignFiles files;
    auto put = [&files](FileKind k, const std::string& p) {
        if (!p.empty())
            files.Of(k).push_back(p);
    };
    put(FileKind::JobPrefs, o.jobprefs);
    put(FileKind::Layout, o.layout);
    put(FileKind::NetClass, o.netclass);
    put(FileKind::Parts, o.parts);
    for (const auto& p : o.cells)
        put(FileKind::Cells, p);
    for (const auto& p : o.padstacks)
        put(FileKind::Padstacks, p);
    return exload::FindDesign(o.design, files, bLibrary);
}

// The process ends with the command, so the design is never freed: taking
// apart millions of objects would cost a tenth of the load for nothing. The
// pointer stays where leak checkers look.
exload::LoadedDesign* volatile g_pKeptDesign = nullptr;
struct KeptUntilExit {
    void operator()(exload::LoadedDesign* p) const { g_pKeptDesign = p; }
};

std::unique_ptr<exload::LoadedDesign, KeptUntilExit> Load(const Options& o)
{
    bool bLibrary = false;
    const exload::DesignFiles files = Resolve(o, bLibrary);
    exload::TerminalProgress progress(files, !o.quiet && exload::TerminalProgress::StderrIsTerminal());
    std::unique_ptr<exload::LoadedDesign, KeptUntilExit> design(
        exload::LoadDesign(files, bLibrary, progress.Bars()).release());
    progress.Finish();
    return design;
}

int Summary(const Options& o)
{
    const auto design = Load(o);
    exload::PrintSummary(*design, stdout);
    return 0;
}

int Logs(const Options& o)
{
    std::optional<FileKind> file;
    if (!o.logFile.empty())
        file = exload::KindFromName(o.logFile);
    std::optional<exload::LogKind> log;
    if (!o.logKind.empty())
        log = exload::LogFromName(o.logKind);
    const auto design = Load(o);
    exload::PrintLogs(*design->root, file, log, stdout);
    return 0;
}

int Json(const Options& o)
{
    const auto design = Load(o);
    std::FILE* out = stdout;
    if (!o.output.empty() && o.output != "-") {
        out = std::fopen(o.output.c_str(), "wb");
        if (!out)
            throw OutputError{"cannot write " + o.output};
    }
    static char buffer[1 << 20];
    std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
    bool ok = exload::WriteJson(*design->root, out);
    if (out != stdout)
        ok = std::fclose(out) == 0 && ok;
    if (!ok)
        throw OutputError{"cannot write " + (o.output.empty() ? std::string("standard output") : o.output)};
    return 0;
}

int Render(const Options& o)
{
    exload::RenderOptions r;
    r.sOutput = o.output;
    r.saLayers = o.layers;
    r.bBottom = o.side == "bottom";
    r.nWidth = o.width;
    r.format = exload::FormatOfPath(o.output);  // checked before the load
    const auto design = Load(o);
    std::string error;
    if (!exload::RenderDesign(*design->root, r, error))
        throw OutputError{error};
    return 0;
}

void AddDesignOptions(CLI::App* cmd, Options& o)
{
    cmd->add_option("design", o.design, "Directory holding the design files (kinds recognised by content)");
    cmd->add_option("--jobprefs", o.jobprefs, "Job preferences file");
    cmd->add_option("--cells", o.cells, "Cell library file (more than one: a library load)");
    cmd->add_option("--layout", o.layout, "Layout file");
    cmd->add_option("--padstacks", o.padstacks, "Padstack library file (more than one: a library load)");
    cmd->add_option("--netclass", o.netclass, "Net class and net property file");
    cmd->add_option("--parts", o.parts, "Parts database file");
    cmd->add_flag("--library", o.library, "Library load: several cell and padstack library files");
    cmd->add_flag("-q,--quiet", o.quiet, "No progress bars");
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"exload: load a board design and tell what it holds"};
    app.set_version_flag("--version", "exload " EXLOAD_VERSION);
    app.require_subcommand(1);
    Options o;

    CLI::App* summary = app.add_subcommand("summary", "Load a design and summarise it");
    AddDesignOptions(summary, o);

    CLI::App* logs = app.add_subcommand(
        "logs", "Print the log entries, one per line: file kind, log, keyword, value, context, level, further lines");
    AddDesignOptions(logs, o);
    logs->add_option("--file", o.logFile, "Only the logs of this file kind")
        ->check(CLI::IsMember({"jobprefs", "cells", "layout", "padstacks", "netclass", "parts"}));
    logs->add_option("--log", o.logKind, "Only this log")->check(CLI::IsMember({"ignore", "notused"}));

    CLI::App* json = app.add_subcommand("json", "Write the whole design tree as JSON");
    AddDesignOptions(json, o);
    json->add_option("-o,--output", o.output, "Output file (default: standard output)");

    CLI::App* render = app.add_subcommand("render", "Draw the board into an SVG, PNG or PDF file");
    AddDesignOptions(render, o);
    render->add_option("-o,--output", o.output, "Output file: .svg, .png or .pdf")->required();
    render->add_option("--layer", o.layers, "Draw only this layer (name or number; repeatable)");
    render->add_option("--side", o.side, "Side seen from: top or bottom (mirrored)")
        ->check(CLI::IsMember({"top", "bottom"}));
    render->add_option("--width", o.width, "Width of the picture in pixels")->check(CLI::Range(16, 20000));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    try {
        if (*summary)
            return Summary(o);
        if (*logs)
            return Logs(o);
        if (*json)
            return Json(o);
        if (*render)
            return Render(o);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "exload: %s\n", e.message.c_str());
        return 2;
    } catch (const OutputError& e) {
        std::fprintf(stderr, "exload: %s\n", e.message.c_str());
        return 1;
    }
    return 0;
}
