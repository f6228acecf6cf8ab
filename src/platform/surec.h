#pragma once

#include <functional>

namespace zelvar {

// Ends the process at once with `kod`: output buffers are flushed, nothing else runs (no
// destructors, no window closes). With an exit hook installed the hook gets the code and
// this function RETURNS, so callers must return right after calling it.
void ProgramiSonlandir(int kod = 0);

// Test hook for ProgramiSonlandir; an empty function removes it.
void setCikisYakalayici(std::function<void(int)> yakalayici);

} // namespace zelvar
