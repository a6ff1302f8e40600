#pragma once
// Ending the process. Login, download and exit paths end the program at once;
// tests replace the ending with a recorder so they can see it happen.

#include <functional>

[[noreturn]] void SurecBitir(int kod);
// For tests: called instead of ending; it must not return normally (throw).
void setSurecBitir(std::function<void(int)> bitir);

// Thrown by a test's replacement so the code after SurecBitir never runs.
struct SurecBitti
{
    int kod;
};
