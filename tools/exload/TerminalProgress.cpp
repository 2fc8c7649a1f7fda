#include "TerminalProgress.h"

#include <algorithm>
#include <unistd.h>

namespace exload {

namespace {

constexpr int kBarWidth = 40;
// Redrawing more often only costs terminal output.
constexpr std::chrono::milliseconds kRedrawInterval{50};

} // namespace

TerminalProgress::TerminalProgress(const DesignFiles& files, bool bEnabled, std::FILE* out)
    : m_bEnabled(bEnabled), m_out(out)
{
    for (int k = 0; k < kKinds; ++k) {
        m_bars[k].pOwner = this;
        m_bars[k].bHasFile = !files.Of(static_cast<FileKind>(k)).empty();
    }
}

bool TerminalProgress::StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

std::array<CProgressCtrl*, kKinds> TerminalProgress::Bars()
{
    std::array<CProgressCtrl*, kKinds> bars{};
    if (m_bEnabled)
        for (int k = 0; k < kKinds; ++k)
            bars[k] = &m_bars[k];
    return bars;
}

void TerminalProgress::Bar::SetPos(int nNewPos)
{
    nNewPos = std::clamp(nNewPos, 0, 100);
    if (nNewPos == nPos)
        return;
    nPos = nNewPos;
    pOwner->Changed();
}

void TerminalProgress::Changed()
{
    const auto now = std::chrono::steady_clock::now();
    if (m_bDrawn && now - m_lastDraw < kRedrawInterval)
        return;
    m_lastDraw = now;
    Draw();
}

TerminalProgress::~TerminalProgress()
{
    if (m_bEnabled)
        Draw();
}

void TerminalProgress::Draw()
{
    if (m_bDrawn)
        std::fprintf(m_out, "\x1b[%dA", kKinds);  // back to the first bar line
    m_bDrawn = true;
    for (int k = 0; k < kKinds; ++k) {
        const Bar& bar = m_bars[k];
        std::fprintf(m_out, "\r\x1b[2K%-17s ", KindTitle(static_cast<FileKind>(k)));
        if (!bar.bHasFile) {
            std::fprintf(m_out, "(no file)\n");
            continue;
        }
        // No allocation: the last drawing happens in the destructor.
        char line[kBarWidth + 1] = {};
        const int filled = bar.nPos * kBarWidth / 100;
        std::fill_n(line, kBarWidth, '.');
        std::fill_n(line, filled, '#');
        std::fprintf(m_out, "[%s] %3d%%\n", line, bar.nPos);
    }
    std::fflush(m_out);
}

} // namespace exload
