#pragma once
// The system sound of a message kind, through the desktop's sound theme.

#include <functional>

// The freedesktop sound name of a message kind; null for kinds outside the four.
const char *SistemSesiAdi(int tur);

// Plays the sound of the kind without waiting for it; silent where there is no
// sound system, and for kinds outside the four.
void SistemSesiCal(int tur);

// For tests: receives the sound name instead of the sound system; empty restores it.
void setSistemSesiCalici(std::function<void(const char *)> calici);
