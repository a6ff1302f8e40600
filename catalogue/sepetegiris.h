#pragma once
// Putting an item into the basket, or changing a basket line: the openings of
// the add-to-basket dialog and the one remote call each makes on OK. Used by
// the stock list, the new and campaign lists and the basket page; everything
// runs on the UI thread on the main connection.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class Connection;
class QWidget;
class ResultTable;
class Tstokayarinti;
struct TSonucBilgisi;

struct SepetBaglami
{
    Connection *bagc = nullptr;
    TSonucBilgisi *sbilgi = nullptr;
    ResultTable *sepet = nullptr;
    std::function<void()> sepetYenile; // the basket page's reload
    QWidget *ebeveyn = nullptr;
};

enum class StokKaynagi { StokListesi, Yeniler, Kampanyali };

// A double-click or "Sepete Ekle" on a list row (-1: nothing happens). Loads
// the basket when it was never loaded; an item already in the basket opens
// its line (change flow), any other the row (add flow).
void ListedenSepeteEkle(SepetBaglami &b, StokKaynagi kaynak, ResultTable &liste, int satir);

// The change flow for a basket line (-1 or past the end: nothing happens).
void SepetSatiriniDegistir(SepetBaglami &b, int sepetSatiri);

// The core of the basket reload: SepetVer2 for the session's customer into
// `sepet`, with the money formats. False (the table as it was) when the
// connection cannot be opened or the call fails; a failed call is reported.
bool SepetYukle(Connection &bagc, const TSonucBilgisi &sbilgi, ResultTable &sepet);

// Fills the dialog the way each opening does; exposed for the openers' tests.
void ListeSatiriniYukle(Tstokayarinti &d, StokKaynagi kaynak, const ResultTable &liste, int satir, int musteriTipi);
void SepetSatiriniYukle(Tstokayarinti &d, const ResultTable &sepet, int satir, int musteriTipi);

// ResimVer5 on the UI thread: the picture's bytes, nullopt for none. An error
// is shown as its kind and text and gives none.
std::optional<QByteArray> StokResmiAl(Connection &bagc, int stokno, QWidget *ebeveyn);
