#pragma once

// Progress bars on standard error, one line per file kind, moved by the
// loader through CProgressCtrl. Drawn only on a terminal.

#include <array>
#include <chrono>
#include <cstdio>

#include "DesignFiles.h"

namespace exload {

class TerminalProgress {
public:
    // Draws nothing when bEnabled is false; Bars() then hands out nulls so
    // that the loader moves no bar at all.
    TerminalProgress(const DesignFiles& files, bool bEnabled, std::FILE* out = stderr);
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    // Draws the last state once more, however the load ended.
    ~TerminalProgress();

    std::array<CProgressCtrl*, kKinds> Bars();

    // True when standard error is a terminal.
    static bool StderrIsTerminal();

private:
    class Bar : public CProgressCtrl {
    public:
        void SetPos(int nPos) override;
        TerminalProgress* pOwner = nullptr;
        int nPos = 0;
        bool bHasFile = false;
    };

    void Changed();
    void Draw();

    std::array<Bar, kKinds> m_bars;
    bool m_bEnabled;
    bool m_bDrawn = false;
    std::FILE* m_out;
    std::chrono::steady_clock::time_point m_lastDraw{};
};

} // namespace exload
