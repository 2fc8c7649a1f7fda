#pragma once

#include "core/Event.h"

namespace ex {

// Workers notify it as they read; the progress loop sleeps on it.
ProgressSignal& WorkerProgress();

} // namespace ex
