#pragma once
// The workstation's public address, as the wholesaler's echo page "ip.php"
// sees it. Blocking: meant for a worker thread.

#include <QString>

#include <chrono>
#include <functional>

namespace disip {

inline constexpr std::chrono::milliseconds okumaSuresi { 1500 };
inline constexpr std::chrono::milliseconds baglanmaSuresi { 15000 };
inline constexpr std::chrono::milliseconds tekrarBekleme { 1000 };

// The wait before another try; empty restores sleeping the thread.
void setBekle(std::function<void(std::chrono::milliseconds)> bekle);

} // namespace disip

// Asks the page under WebKoku() until it answers with a 2xx status, waiting
// after every failure, without limit; the answer trimmed. Gives up with an
// empty text as soon as `devam` (when given) answers false.
QString DisIpAl(const std::function<bool()> &devam = {});
