// The Python module exload: a design loaded into the live model, every class
// under its own name.

#include <pybind11/pybind11.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "DesignFiles.h"
#include "ModelBindings.h"
#include "PythonObjects.h"
#include "TerminalProgress.h"

namespace {

namespace py = pybind11;
using exload::FileKind;

// The loader keeps process-wide state (the design units, its event): one
// load at a time.
std::mutex g_loadMutex;

// A path as the file system has it: str, bytes or os.PathLike.
std::string PathOf(py::handle p)
{
    return py::module_::import("os").attr("fsencode")(p).cast<std::string>();
}

// One path or a list of them.
void Put(exload::DesignFiles& files, FileKind kind, const py::object& p)
{
    if (p.is_none())
        return;
    if (py::isinstance<py::str>(p) || py::isinstance<py::bytes>(p) || py::hasattr(p, "__fspath__")) {
        files.Of(kind).push_back(PathOf(p));
        return;
    }
    for (py::handle item : p)
        files.Of(kind).push_back(PathOf(item));
}

// The tool's message; a path that is not there makes it a FileNotFoundError.
[[noreturn]] void Raise(const exload::UsageError& e, const std::string& dir, const exload::DesignFiles& given)
{
    std::error_code ec;
    bool missing = !dir.empty() && !std::filesystem::exists(dir, ec);
    for (const auto& paths : given.paths)
        for (const std::string& p : paths)
            missing = missing || !std::filesystem::exists(p, ec);
    PyErr_SetString(missing ? PyExc_FileNotFoundError : PyExc_ValueError, e.message.c_str());
    throw py::error_already_set();
}

py::object Load(const py::object& path, bool progress, bool library, const py::object& jobprefs,
                const py::object& cells, const py::object& layout, const py::object& padstacks,
                const py::object& netclass, const py::object& parts)
{
    const std::string dir = path.is_none() ? std::string() : PathOf(path);
    exload::DesignFiles given;
    Put(given, FileKind::JobPrefs, jobprefs);
    Put(given, FileKind::Cells, cells);
    Put(given, FileKind::Layout, layout);
    Put(given, FileKind::Padstacks, padstacks);
    Put(given, FileKind::NetClass, netclass);
    Put(given, FileKind::Parts, parts);
    bool bLibrary = library;
    exload::DesignFiles files;
    try {
        files = exload::FindDesign(dir, given, bLibrary);
    } catch (const exload::UsageError& e) {
        Raise(e, dir, given);
    }
    std::shared_ptr<CExExpedition> root;
    std::optional<exload::UsageError> usage;
    std::optional<exload::LoadError> unread;
    {
        // Other Python threads run while the workers read; what went wrong
        // is raised once the interpreter is ours again.
        py::gil_scoped_release release;
        std::lock_guard<std::mutex> lock(g_loadMutex);
        try {
            exload::TerminalProgress bars(files, progress);
            auto design = exload::LoadDesign(files, bLibrary, bars.Bars());
            root.reset(design->root.release());
        } catch (const exload::UsageError& e) {
            usage = e;
        } catch (const exload::LoadError& e) {
            unread = e;
        }
    }
    if (usage)
        Raise(*usage, dir, given);
    if (unread) {
        PyErr_SetString(PyExc_OSError, unread->message.c_str());
        throw py::error_already_set();
    }
    PyObject* o = exload::bindings::NewObject(root, root.get());
    if (!o)
        throw py::error_already_set();
    return py::reinterpret_steal<py::object>(o);
}

} // namespace

PYBIND11_MODULE(exload, m)
{
    m.doc() = "Load a board design and walk its object model: every class and member under its C++ name.";
    m.attr("__version__") = EXLOAD_VERSION;
    if (!exload::bindings::ClassType<CExExpedition>() || !exload::bindings::AddTypes(m.ptr()))
        throw py::error_already_set();

    const auto define = [&m](const char* name, bool library, const char* doc) {
        m.def(
            name,
            [library](const py::object& path, bool progress, const py::object& jobprefs, const py::object& cells,
                      const py::object& layout, const py::object& padstacks, const py::object& netclass,
                      const py::object& parts) {
                return Load(path, progress, library, jobprefs, cells, layout, padstacks, netclass, parts);
            },
            doc, py::arg("path") = py::none(), py::arg("progress") = false, py::kw_only(),
            py::arg("jobprefs") = py::none(), py::arg("cells") = py::none(), py::arg("layout") = py::none(),
            py::arg("padstacks") = py::none(), py::arg("netclass") = py::none(), py::arg("parts") = py::none());
    };
    define("load", false,
           "Loads a design: a directory (each file's kind recognised by its content) or the files by keyword.\n"
           "Several cell or padstack files make a library load. Returns the design root, a CExExpedition.\n"
           "progress=True draws the six progress bars on standard error.");
    define("load_library", true,
           "Loads lists of cell and padstack library files (or a directory of them) into one library object\n"
           "each; no file kind is required. Returns the design root, a CExExpedition.");
}
