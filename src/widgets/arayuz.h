#pragma once

#include <functional>

namespace zelvar {

// Synchronous hand-over to the interface thread: runs `is` at once when already there,
// otherwise blocks the calling worker until the interface thread has run it. An exception
// thrown by `is` is raised again in the caller. The interface thread must not be waiting for
// the caller at the same time (that would never end).
void ArayuzdeCalistir(const std::function<void()>& is);

} // namespace zelvar
