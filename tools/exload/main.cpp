// exload: loads a board design and tells what it holds.

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "DesignFiles.h"
#include "expedition.h"

namespace {

using exload::FileKind;

struct Options {
    std::string design;
    std::string jobprefs, layout, netclass, parts;
    std::vector<std::string> cells, padstacks;
    bool library = false;
};

exload::DesignFiles Resolve(const Options& o, bool& bLibrary)
{
    bLibrary = o.library || o.cells.size() > 1 || o.padstacks.size() > 1;
    if (!o.design.empty())
        return exload::ScanDirectory(o.design, bLibrary);
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
    exload::CheckDesign(files, bLibrary);
    return files;
}

std::string First(const exload::DesignFiles& f, FileKind k) { return f.Of(k).empty() ? "" : f.Of(k).front(); }

int Summary(const Options& o)
{
    bool bLibrary = false;
    const exload::DesignFiles files = Resolve(o, bLibrary);

    CExExpedition root;
    CPC_Corvane_Get loader;
    loader.vSetExpedition(&root);
    const auto start = std::chrono::steady_clock::now();
    if (bLibrary) {
        loader.vSetMExpeditionLibFilePath(First(files, FileKind::JobPrefs), files.Of(FileKind::Cells),
                                          First(files, FileKind::Layout), files.Of(FileKind::Padstacks),
                                          First(files, FileKind::NetClass), First(files, FileKind::Parts));
        loader.ParseXpeditionLib();
    } else {
        loader.vSetMExpeditionFilePath(First(files, FileKind::JobPrefs), First(files, FileKind::Cells),
                                       First(files, FileKind::Layout), First(files, FileKind::Padstacks),
                                       First(files, FileKind::NetClass), First(files, FileKind::Parts));
        loader.ParseExpeditionOfMFC();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("%-16s %10s  %s\n", "file", "lines", "path");
    for (int k = 0; k < exload::kKinds; ++k)
        for (const std::string& p : files.Of(static_cast<FileKind>(k)))
            std::printf("%-16s %10d  %s\n", exload::KindTitle(static_cast<FileKind>(k)),
                        loader.nGetFileLineCount(p, 0) - 1, p.c_str());
    std::printf("\ndesign units: %s\n\nloaded:\n", g_sUnits.empty() ? "(none)" : g_sUnits.c_str());
    auto filled = [](const char* name, const void* p) { std::printf("  %-20s %s\n", name, p ? "yes" : "no"); };
    filled("pJobPreferences", root.pJobPreferences);
    filled("pCellLibrary", root.pCellLibrary);
    filled("pLayout", root.pLayout);
    filled("pPadstackLibrary", root.pPadstackLibrary);
    filled("pNetClassArray", root.pNetClassArray);
    filled("pNetPropArray", root.pNetPropArray);
    filled("pNetConnectionArray", root.pNetConnectionArray);
    filled("pLibPart", root.pLibPart);
    std::printf("\nload time: %.3f s\n", seconds);
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
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"exload: load a board design and tell what it holds"};
    app.set_version_flag("--version", "exload 0.1.0");
    app.require_subcommand(1);
    Options o;
    CLI::App* summary = app.add_subcommand("summary", "Load a design and summarise it");
    AddDesignOptions(summary, o);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    try {
        if (*summary)
            return Summary(o);
    } catch (const exload::UsageError& e) {
        std::fprintf(stderr, "exload: %s\n", e.message.c_str());
        return 2;
    }
    return 0;
}
