#include "app/common/sistemsesi.h"

#include "app/common/mesajgoster.h"

#include <canberra.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

namespace {

std::mutex kilit;
std::function<void(const char *)> caliciIslevi;

// Without a sound server or device the sound library would only print the
// audio layer's complaints; there is nothing to play on anyway.
bool sesSistemiVar()
{
    namespace fs = std::filesystem;
    std::error_code hata;
    if (std::getenv("PULSE_SERVER"))
        return true;
    if (const char *calisma = std::getenv("XDG_RUNTIME_DIR")) {
        const fs::path kok(calisma);
        if (fs::exists(kok / "pulse" / "native", hata) || fs::exists(kok / "pipewire-0", hata))
            return true;
    }
    return fs::is_directory("/dev/snd", hata) && !fs::is_empty("/dev/snd", hata);
}

// Made once and kept for the life of the process; null when there is no sound system.
ca_context *baglam()
{
    static ca_context *ctx = [] {
        if (!sesSistemiVar())
            return static_cast<ca_context *>(nullptr);
        ca_context *c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS)
            return static_cast<ca_context *>(nullptr);
        if (ca_context_open(c) != CA_SUCCESS) {
            ca_context_destroy(c);
            return static_cast<ca_context *>(nullptr);
        }
        return c;
    }();
    return ctx;
}

} // namespace

const char *SistemSesiAdi(int tur)
{
    switch (tur) {
    case mtUyari:
        return "dialog-warning";
    case mtHata:
        return "dialog-error";
    case mtBilgi:
        return "dialog-information";
    case mtSoru:
        return "dialog-question";
    default:
        return nullptr;
    }
}

void SistemSesiCal(int tur)
{
    const char *ad = SistemSesiAdi(tur);
    if (!ad)
        return;
    std::function<void(const char *)> f;
    {
        std::lock_guard l(kilit);
        f = caliciIslevi;
    }
    if (f) {
        f(ad);
        return;
    }
    // Opening the sound system may take a while (or time out); the dialog must not wait for it.
    try {
        std::thread([ad] {
            if (ca_context *c = baglam())
                ca_context_play(c, 0, CA_PROP_EVENT_ID, ad, CA_PROP_EVENT_DESCRIPTION, "Mesaj", nullptr);
        }).detach();
    } catch (...) {
        // No thread, no sound.
    }
}

void setSistemSesiCalici(std::function<void(const char *)> calici)
{
    std::lock_guard l(kilit);
    caliciIslevi = std::move(calici);
}
