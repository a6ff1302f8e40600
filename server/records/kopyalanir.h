#pragma once

#include <memory>

// Kopyala for every record that offers it: copies every field of the source.
// Records are plain values, so one assignment serves all of them.
template<class T>
struct Kopyalanir
{
    void Kopyala(const T &kaynak) { static_cast<T &>(*this) = kaynak; }
    // A fresh copy for a remote call, which consumes the record it is given.
    std::unique_ptr<T> KopyaVer() const { return std::make_unique<T>(static_cast<const T &>(*this)); }
    bool operator==(const Kopyalanir &) const = default;
};
