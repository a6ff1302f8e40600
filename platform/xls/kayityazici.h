#pragma once
// Little-endian record writing into one growing buffer: fixed records with
// their length known up front, and open records whose length is patched when
// they end (the shared strings, which spill over into CONTINUE records).

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>

class KayitYazici
{
public:
    static constexpr int enFazlaVeri = 8224; // data bytes of one record

    explicit KayitYazici(QByteArray &hedef)
        : m_b(hedef)
    { }

    KayitYazici &bas(quint16 tur, quint16 boy) { return u16(tur).u16(boy); }

    KayitYazici &u8(quint8 v)
    {
        m_b.append(char(v));
        return *this;
    }
    KayitYazici &u16(quint16 v)
    {
        char t[2];
        qToLittleEndian(v, t);
        m_b.append(t, 2);
        return *this;
    }
    KayitYazici &u32(quint32 v)
    {
        char t[4];
        qToLittleEndian(v, t);
        m_b.append(t, 4);
        return *this;
    }
    KayitYazici &f64(double v)
    {
        quint64 bitler;
        std::memcpy(&bitler, &v, sizeof bitler);
        char t[8];
        qToLittleEndian(bitler, t);
        m_b.append(t, 8);
        return *this;
    }
    KayitYazici &latin1(const char *s)
    {
        m_b.append(s);
        return *this;
    }
    KayitYazici &ham(const QByteArray &b)
    {
        m_b.append(b);
        return *this;
    }

    // One byte per character when `genis` is false (every character below 0x100), else UTF-16LE.
    KayitYazici &karakterler(QStringView s, bool genis)
    {
        const qsizetype n = s.size();
        if (!genis) {
            const qsizetype bas = m_b.size();
            m_b.resize(bas + n);
            char *p = m_b.data() + bas;
            for (qsizetype i = 0; i < n; ++i)
                p[i] = char(s[i].unicode());
        } else {
            const qsizetype bas = m_b.size();
            m_b.resize(bas + 2 * n);
            qToLittleEndian<quint16>(s.utf16(), n, m_b.data() + bas);
        }
        return *this;
    }

    static bool genisMi(QStringView s)
    {
        for (QChar c : s)
            if (c.unicode() >= 0x100)
                return true;
        return false;
    }

    // A record holding an ifmt-like number and an XLUnicodeString (FORMAT).
    void yazMetinKaydi(quint16 tur, quint16 no, const QString &s)
    {
        const bool genis = genisMi(s);
        bas(tur, quint16(5 + s.size() * (genis ? 2 : 1))).u16(no).u16(quint16(s.size())).u8(genis ? 1 : 0);
        karakterler(s, genis);
    }

    qsizetype konum() const { return m_b.size(); }

    static void yamala32(QByteArray &b, qsizetype konum, quint32 v) { qToLittleEndian(v, b.data() + konum); }

    // ---- Open records ----
    void acikKayitBas(quint16 tur)
    {
        acikKayitBitir();
        m_acik = m_b.size();
        bas(tur, 0);
    }
    void acikKayitBitir()
    {
        if (m_acik < 0)
            return;
        qToLittleEndian(quint16(m_b.size() - m_acik - 4), m_b.data() + m_acik + 2);
        m_acik = -1;
    }
    int kalan() const { return enFazlaVeri - int(m_b.size() - m_acik - 4); }
    // Offset from the open record's header to the next byte.
    int kayitIci() const { return int(m_b.size() - m_acik); }

private:
    QByteArray &m_b;
    qsizetype m_acik = -1;
};
