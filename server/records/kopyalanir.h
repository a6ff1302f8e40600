#pragma once

// Kopyala for every record that offers it: copies every field of the source.
// Records are plain values, so one assignment serves all of them.
template<class T>
struct Kopyalanir
{
    void Kopyala(const T &kaynak) { static_cast<T &>(*this) = kaynak; }
    bool operator==(const Kopyalanir &) const = default;
};
