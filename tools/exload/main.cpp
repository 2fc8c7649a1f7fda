// exload: loads a board design and tells what it holds, exports it as JSON
// or a KiCad board, or draws it.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "Board.h"
#include "DesignFiles.h"
#include "JsonExport.h"
#include "KicadBoard.h"
#include "Logs.h"
#include "OutputFile.h"
#include "Printable.h"
#include "Render.h"
#include "Summary.h"
#include "TerminalProgress.h"

namespace {

using exload::FileKind;
using exload::LoadError;
using exload::OutputError;
using exload::UsageError;

// Exit statuses; the README lists them.
enum Status {
    kDone = 0,          // read and written in full
    kNotWritten = 1,    // the output could not be written
    kUsage = 2,         // what the user did wrong, a file that cannot be opened included
    kNotRead = 3,       // a file could not be read to its end: nothing is written
    kWithWarnings = 4,  // written in full, but a warning was given about the input
};

bool g_bWarned = false;

// One line on standard error, whatever bytes a path or a message holds.
void Say(const std::string& message) { std::fprintf(stderr, "exload: %s\n", exload::Printable(message).c_str()); }

void Warn(const std::string& message)
{
    Say(message);
    g_bWarned = true;
}

struct Options {
    std::string design;
    std::string jobprefs, layout, netclass, parts;
    std::vector<std::string> cells, padstacks;
    bool library = false;
    bool quiet = false;
    // logs
    std::string logFile, logKind;
    // json, render and kicad
    std::string output;
    bool verbose = false;
    // render
    std::vector<std::string> layers;
    std::string side = "top";
    int width = 1600;
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
    files = exload::FindDesign(o.design, files, bLibrary);
    // A folder scan takes only files it recognises; files named here are
    // taken as they are, so say when one holds nothing of its kind.
    if (o.design.empty())
        for (const std::string& w : exload::UnrecognisedFiles(files))
            Warn(w);
    return files;
}

// The design files, checked, before anything is loaded.
struct Design {
    exload::DesignFiles files;
    bool bLibrary = false;
};

Design Find(const Options& o)
{
    Design d;
    d.files = Resolve(o, d.bLibrary);
    return d;
}

// The process ends with the command, so the design is never freed: taking
// apart millions of objects would cost a tenth of the load for nothing. The
// pointer stays where leak checkers look.
exload::LoadedDesign* volatile g_pKeptDesign = nullptr;
struct KeptUntilExit {
    void operator()(exload::LoadedDesign* p) const { g_pKeptDesign = p; }
};

std::unique_ptr<exload::LoadedDesign, KeptUntilExit> Load(const Options& o, const Design& d)
{
    std::unique_ptr<exload::LoadedDesign, KeptUntilExit> design;
    {
        // Gone, the bars are drawn a last time, above what is said after the load.
        exload::TerminalProgress progress(d.files, !o.quiet && exload::TerminalProgress::StderrIsTerminal());
        design.reset(exload::LoadDesign(d.files, d.bLibrary, progress.Bars()).release());
    }
    for (const std::string& w : design->warnings)
        Warn(w);
    return design;
}

// Runs print, which writes to out, and throws OutputError naming `what`
// when not all of it got there.
template <class Print>
void Write(std::FILE* out, const std::string& what, Print print)
{
    errno = 0;  // a failed write leaves its reason here
    print();
    if (std::fflush(out) != 0 || std::ferror(out))
        throw OutputError{"cannot write " + what + (errno != 0 ? ": " + exload::SystemReason(errno) : std::string())};
}

int Summary(const Options& o)
{
    const auto design = Load(o, Find(o));
    Write(stdout, "standard output", [&] { exload::PrintSummary(*design, stdout); });
    return kDone;
}

int Logs(const Options& o)
{
    std::optional<FileKind> file;
    if (!o.logFile.empty())
        file = exload::KindFromName(o.logFile);
    std::optional<exload::LogKind> log;
    if (!o.logKind.empty())
        log = exload::LogFromName(o.logKind);
    const auto design = Load(o, Find(o));
    Write(stdout, "standard output", [&] { exload::PrintLogs(*design->root, file, log, stdout); });
    return kDone;
}

int Json(const Options& o)
{
    const Design d = Find(o);
    std::optional<exload::OutputFile> file;
    if (!o.output.empty() && o.output != "-")
        file.emplace(o.output);
    const auto design = Load(o, d);
    if (file) {
        std::FILE* out = file->Stream();
        Write(out, file->Path(), [&] { exload::WriteJson(*design->root, out); });
        file->Commit();
        return kDone;
    }
    static char buffer[1 << 20];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    Write(stdout, "standard output", [&] { exload::WriteJson(*design->root, stdout); });
    return kDone;
}

int Render(const Options& o)
{
    exload::RenderOptions r;
    r.saLayers = o.layers;
    r.bBottom = o.side == "bottom";
    r.nWidth = o.width;
    r.format = exload::FormatOfPath(o.output);
    const Design d = Find(o);
    exload::OutputFile file(o.output);
    r.sOutput = file.WritePath();
    const auto design = Load(o, d);
    std::string error;
    if (!exload::RenderDesign(*design->root, r, error))
        throw OutputError{error};
    file.Commit();
    return kDone;
}

int Kicad(const Options& o)
{
    constexpr std::string_view kExtension = ".kicad_pcb";
    if (!std::string_view(o.output).ends_with(kExtension))
        throw UsageError{"cannot tell where to write the board: name a .kicad_pcb file, not " + o.output};
    const Design d = Find(o);
    // Both files are checked before the load and appear together at the end.
    exload::OutputFile pcb(o.output);
    exload::OutputFile pro(o.output.substr(0, o.output.size() - kExtension.size()) + ".kicad_pro");
    const auto design = Load(o, d);
    const board::Board board(*design->root);
    kicad::Losses losses;
    std::FILE* out = pcb.Stream();
    Write(out, pcb.Path(), [&] { kicad::WriteBoard(board, out, losses); });
    std::FILE* project = pro.Stream();
    const std::string name = o.output.substr(o.output.find_last_of('/') + 1);
    Write(project, pro.Path(), [&] { kicad::WriteProject(board, name, project, losses); });
    pcb.Commit();
    pro.Commit();
    if (const std::string leftOut = board.leftOut.Describe(); !leftOut.empty())
        Say(leftOut);
    if (o.verbose)
        for (const std::string& item : losses.Items())
            Say(item);
    for (const std::string& line : losses.Lines())
        Say(line);
    return kDone;
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

    CLI::App* kicadCmd = app.add_subcommand(
        "kicad", "Write the board as a KiCad board file and, beside it, its project file with the net classes");
    AddDesignOptions(kicadCmd, o);
    kicadCmd->add_option("-o,--output", o.output, "Board file to write: FILE.kicad_pcb (FILE.kicad_pro beside it)")
        ->required();
    kicadCmd->add_flag("--verbose", o.verbose, "List every object that could not be carried over as it is");

    // A reader that goes away ends the program quietly, as it ends cat or grep.
    std::signal(SIGPIPE, SIG_DFL);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() != 0) {
            Say(e.what());
            return kUsage;
        }
        app.exit(e);  // --help, --version
        if (!std::cout.flush()) {
            Say("cannot write standard output");
            return kNotWritten;
        }
        return kDone;
    }
    try {
        int status = kDone;
        if (*summary)
            status = Summary(o);
        else if (*logs)
            status = Logs(o);
        else if (*json)
            status = Json(o);
        else if (*render)
            status = Render(o);
        else if (*kicadCmd)
            status = Kicad(o);
        return status == kDone && g_bWarned ? kWithWarnings : status;
    } catch (const UsageError& e) {
        Say(e.message);
        return kUsage;
    } catch (const OutputError& e) {
        Say(e.message);
        return kNotWritten;
    } catch (const LoadError& e) {
        Say(e.message);
        return kNotRead;
    } catch (const std::bad_alloc&) {
        Say("out of memory");
        return kNotRead;
    } catch (const std::exception& e) {
        Say(e.what());
        return kNotRead;
    }
}
