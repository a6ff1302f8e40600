#pragma once
// The connection check that precedes every remote operation.

#include <QString>

#include <chrono>
#include <functional>

class Connection;

// Closes the connection, then tries to open it at most 11 times, closing it
// again and waiting 500 ms after every failed attempt (the last one too). When
// every attempt failed and show is set, "Bağlantı Kurulamıyor Lütfen Tekrar
// Deneyin ...!" is shown once, on the UI thread. Never throws.
bool BaglantiKontrol(Connection &baglanti, bool show);

namespace baglantikontrol {

inline constexpr int denemeSayisi = 11;
inline constexpr std::chrono::milliseconds bekleme { 500 };
inline constexpr char mesaj[] = "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!";

// The wait between attempts; empty restores sleeping the thread.
void setBekle(std::function<void(std::chrono::milliseconds)> bekle);
// Shows the failure message; called on the UI thread. The application installs
// its message dialog here; empty restores the default (a warning on stderr).
void setMesajGoster(std::function<void(const QString &)> goster);

} // namespace baglantikontrol
