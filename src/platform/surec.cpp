#include "platform/surec.h"

#include <cstdio>
#include <mutex>

#include <unistd.h>

namespace zelvar {

namespace {

std::mutex g_kilit;
std::function<void(int)> g_yakalayici;

} // namespace

void ProgramiSonlandir(int kod)
{
    std::function<void(int)> yakalayici;
    {
        std::lock_guard<std::mutex> k(g_kilit);
        yakalayici = g_yakalayici;
    }
    if (yakalayici) {
        yakalayici(kod);
        return;
    }
    std::fflush(nullptr);
    ::_exit(kod);
}

void setCikisYakalayici(std::function<void(int)> yakalayici)
{
    std::lock_guard<std::mutex> k(g_kilit);
    g_yakalayici = std::move(yakalayici);
}

} // namespace zelvar
