#include "core/HostInterface.h"

#include <atomic>
#include <cstdio>

namespace ex {

void HostInterface::PumpMessages(ProgressSignal& progress, unsigned long seenGeneration)
{
    progress.WaitPast(seenGeneration, std::chrono::milliseconds(20));
}

void HostInterface::MessageBox(const std::string& sText, const std::string& sCaption, unsigned int)
{
    std::fprintf(stderr, "%s: %s\n", sCaption.c_str(), sText.c_str());
}

namespace {
HostInterface g_defaultHost;
std::atomic<HostInterface*> g_host{&g_defaultHost};
} // namespace

HostInterface& GetHostInterface() { return *g_host.load(); }

void SetHostInterface(HostInterface* pHost) { g_host.store(pHost ? pHost : &g_defaultHost); }

} // namespace ex
