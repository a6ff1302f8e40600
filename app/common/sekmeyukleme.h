#pragma once
// The load a list tab runs each time it is shown: busy animation on and the
// grid disabled, the UI preparation, the fetch on a worker, then the UI
// completion, the grid enabled, the animation off and, when the fetch failed,
// "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!" once.
//
// Two loads never fill one table at once: Yukle() while a load runs (its
// failure message included) starts nothing; it asks for one more load, which
// starts when the running one has ended. Any number of requests meanwhile give
// that one reload, since it fetches the newest state anyway.
//
// The controls are restored whatever the fetch did; an error that escapes the
// fetch is not a failure flag, it goes to the general error report after the
// completion. When this object is destroyed during a load its completion is
// skipped (the tab is gone with it).

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class Izgara;
class MesgulGosterge;

class SekmeYukleme : public QObject
{
    Q_OBJECT

public:
    struct Adimlar
    {
        std::function<void()> hazirla; // UI thread, before: cut the grid's data link, begin the bulk update
        std::function<bool()> getir; // worker: the tab's fetch; true on failure (`hata`)
        // UI thread, after (before the failure message): restore the link, end the update, the badge caption.
        std::function<void(bool hata)> bitir;
    };

    SekmeYukleme(MesgulGosterge *gosterge, QWidget *izgara, Adimlar adimlar, QObject *parent = nullptr);

    // The load of a grid's table: the grid's data link is cut and its bulk
    // update begun before the fetch, both restored before `sonra`, so the view
    // never reads the table a worker fills. `hazirla` runs after the cut.
    static SekmeYukleme *izgaraIcin(MesgulGosterge *gosterge, Izgara *izgara, std::function<bool()> getir,
                                    std::function<void(bool hata)> sonra, QObject *parent,
                                    std::function<void()> hazirla = {});

    void Yukle();
    bool yukleniyor() const { return m_yukleniyor; }

signals:
    // After each load, its failure message already answered.
    void bitti(bool hata);

private:
    void baslat();
    void tamamla(bool hata);

    QPointer<MesgulGosterge> m_gosterge;
    QPointer<QWidget> m_izgara;
    Adimlar m_adimlar;
    bool m_yukleniyor = false;
    bool m_yeniden = false;
};
