#include "platform/platform.h"

#include "platform/linuxplatform.h"

#include <atomic>

namespace zelvar {

namespace {

std::atomic<Platform*> g_yedek{nullptr};

Platform& gercekPlatform()
{
    static LinuxPlatform p;
    return p;
}

} // namespace

Platform& platform()
{
    Platform* p = g_yedek.load(std::memory_order_acquire);
    return p ? *p : gercekPlatform();
}

void setPlatform(Platform* p)
{
    g_yedek.store(p, std::memory_order_release);
}

} // namespace zelvar
