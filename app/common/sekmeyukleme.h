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

class MesgulGosterge;

class SekmeYukleme : public QObject
{
    Q_OBJECT

public:
    struct Adimlar
    {
        std::function<void()> hazirla; // UI thread, before: cut the grid's data link, begin the bulk update
        std::function<bool()> getir; // worker: the tab's fetch; true on failure (`hata`)
        std::function<void()> bitir; // UI thread, after: restore the link, end the update, the badge caption
    };

    SekmeYukleme(MesgulGosterge *gosterge, QWidget *izgara, Adimlar adimlar, QObject *parent = nullptr);

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
