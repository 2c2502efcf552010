#pragma once

#include "bench/null_platform.h"

namespace voltaro {

// Where a workbench talks to the outside world: the platform put in, or else the null platform
// of its own, so that there always is one. Used like a pointer: `bench.platform->error(...)`.
class PlatformSlot {
public:
    // Talks through `platform` from now on (not owned); nullptr goes back to the null platform.
    PlatformSlot& operator=(Platform* platform) {
        m_chosen = platform;
        return *this;
    }

    Platform& operator*() { return m_chosen ? *m_chosen : m_null; }
    Platform* operator->() { return &**this; }

private:
    Platform* m_chosen = nullptr;
    NullPlatform m_null;
};

} // namespace voltaro
