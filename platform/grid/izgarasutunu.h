#pragma once
// One column of a grid as a screen declares it: which table column it shows,
// with which caption, weight, visibility and presentation.

#include <QIcon>
#include <QString>
#include <QVariant>

#include <functional>

class ResultTable;

enum class Sunum {
    Metin, // the table's display text (numbers through their display format)
    SarmaliMetin, // word-wrapped text
    OrtaliMetin, // centred text
    Simge, // an icon chosen by the value (status codes, flags), centred, no text
    TikKutusu, // a tick box, ticked for 1
    Hesaplanan, // text computed from the whole row (`metin`), drawn on several lines
    Resim, // the picture held in a bytes column
};

enum class Ozet {
    Yok,
    Sayi, // count of the rows in the view (or the group)
    Toplam, // sum, shown with the table column's display format
};

struct IzgaraSutunu
{
    QString alan; // table column name; empty for a computed column
    QString baslik; // header caption; may be empty
    int agirlik = 1; // weight of the weighted-width layout
    bool gorunur = true; // visible at start
    bool sunulur = true; // offered in the header's column chooser
    Sunum sunum = Sunum::Metin;
    // Zero: numbers right, texts left, OrtaliMetin/Simge/TikKutusu centred; always vertically centred.
    Qt::Alignment hiza = {};
    Ozet ozet = Ozet::Yok; // footer (and group footer) summary under this column
    // Simge: the icon of a value; a null icon draws nothing.
    std::function<QIcon(const QVariant &deger)> simge;
    // Simge: the text the value stands for (tooltip, filter list, export); empty: the display text.
    std::function<QString(const QVariant &deger)> simgeMetni;
    // Hesaplanan: the cell's text from the table row (also what export writes).
    std::function<QString(const ResultTable &tablo, int satir)> metin;
    int icBosluk = 3; // horizontal padding of the text, each side, in pixels
    // Name the screen refers to the column by; empty: `alan`.
    QString ad;

    QString kimlik() const { return ad.isEmpty() ? alan : ad; }

    // The usual declaration of a field's column, in the order screens list them.
    static IzgaraSutunu Alan(const char *alan, const QString &baslik, int agirlik, bool gorunur,
                             Sunum sunum = Sunum::Metin, bool sunulur = true)
    {
        IzgaraSutunu s;
        s.alan = QString::fromLatin1(alan);
        s.baslik = baslik;
        s.agirlik = agirlik;
        s.gorunur = gorunur;
        s.sunum = sunum;
        s.sunulur = sunulur;
        return s;
    }
};
