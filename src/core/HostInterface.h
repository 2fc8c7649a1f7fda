#pragma once

#include <chrono>
#include <string>

#include "core/Event.h"

namespace ex {

// What the loader asks of the host's user interface besides the progress
// bars: pump the calling thread's messages and show the one warning box.
// The default is headless: the box goes to standard error, and the pump waits
// briefly for a worker to make progress, so a parse never burns a core.
class HostInterface {
public:
    virtual ~HostInterface() = default;
    // Called once per pass of the progress loop.
    virtual void PumpMessages(ProgressSignal& progress, unsigned long seenGeneration);
    // style 48: OK button, exclamation icon.
    virtual void MessageBox(const std::string& sText, const std::string& sCaption, unsigned int nStyle);
};

// The installed host interface; never null. Passing null restores the default.
HostInterface& GetHostInterface();
void SetHostInterface(HostInterface* pHost);

} // namespace ex
