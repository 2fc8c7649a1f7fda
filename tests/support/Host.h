#pragma once

// Stand-ins for the host's window side: a host interface that records the
// warning box, and progress bars and a parent window that write what they are
// told into one trace. And a short view of what a design root holds.

#include <string>
#include <utility>
#include <vector>

#include "core/HostInterface.h"
#include "core/Window.h"

class CExExpedition;

namespace test {

struct Box {
    std::string sText;
    std::string sCaption;
    unsigned int nStyle;
};

class RecordingHost : public ex::HostInterface {
public:
    void PumpMessages(ex::ProgressSignal& progress, unsigned long seen) override
    {
        ++nPumps;
        HostInterface::PumpMessages(progress, seen);
    }
    void MessageBox(const std::string& sText, const std::string& sCaption, unsigned int nStyle) override
    {
        boxes.push_back({sText, sCaption, nStyle});
    }

    int nPumps = 0;
    std::vector<Box> boxes;
};

// Installs a host for one scope and puts the default back after.
class HostScope {
public:
    explicit HostScope(ex::HostInterface& host) { ex::SetHostInterface(&host); }
    ~HostScope() { ex::SetHostInterface(nullptr); }
    HostScope(const HostScope&) = delete;
    HostScope& operator=(const HostScope&) = delete;
};

// Events in call order: {bar number 1..6, position}, or {0, 0} for a refresh
// of the parent window (-1 if it was asked to save instead).
using Trace = std::vector<std::pair<int, int>>;

class RecordingWnd : public CWnd {
public:
    explicit RecordingWnd(Trace& trace) : m_trace(trace) {}
    void UpdateData(bool bSaveAndValidate) override { m_trace.push_back({0, bSaveAndValidate ? -1 : 0}); }

private:
    Trace& m_trace;
};

class RecordingBar : public CProgressCtrl {
public:
    RecordingBar(int nBar, Trace& trace, CWnd* pParent = nullptr) : m_nBar(nBar), m_trace(trace), m_pParent(pParent) {}
    void SetPos(int nPos) override { m_trace.push_back({m_nBar, nPos}); }
    CWnd* GetParent() const override { return m_pParent; }

private:
    int m_nBar;
    Trace& m_trace;
    CWnd* m_pParent;
};

// The members of a root that are set, in declaration order.
std::string SetMembers(const CExExpedition& root);

constexpr const char* kAllMembers = "conn class prop pad cell layout job parts";

} // namespace test
