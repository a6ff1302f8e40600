#include "app/common/sekmeyukleme.h"

#include "app/common/async.h"
#include "app/common/baglantikontrol.h"
#include "app/common/mesajgoster.h"
#include "platform/grid/izgara.h"
#include "platform/mesgulgosterge.h"

#include <exception>
#include <memory>

SekmeYukleme::SekmeYukleme(MesgulGosterge *gosterge, QWidget *izgara, Adimlar adimlar, QObject *parent)
    : QObject(parent)
    , m_gosterge(gosterge)
    , m_izgara(izgara)
    , m_adimlar(std::move(adimlar))
{ }

SekmeYukleme *SekmeYukleme::izgaraIcin(MesgulGosterge *gosterge, Izgara *izgara, std::function<bool()> getir,
                                       std::function<void(bool)> sonra, QObject *parent,
                                       std::function<void()> hazirla)
{
    QPointer<Izgara> g(izgara);
    Adimlar adimlar;
    adimlar.hazirla = [g, hazirla = std::move(hazirla)] {
        if (g) {
            g->baglantiyiKes();
            g->guncellemeyeBasla();
        }
        if (hazirla)
            hazirla();
    };
    adimlar.getir = std::move(getir);
    adimlar.bitir = [g, sonra = std::move(sonra)](bool hata) {
        if (g) {
            g->baglantiyiKur();
            g->guncellemeyiBitir();
        }
        if (sonra)
            sonra(hata);
    };
    return new SekmeYukleme(gosterge, izgara, std::move(adimlar), parent);
}

void SekmeYukleme::Yukle()
{
    if (m_yukleniyor) {
        m_yeniden = true;
        return;
    }
    baslat();
}

void SekmeYukleme::baslat()
{
    m_yukleniyor = true;
    if (m_gosterge)
        m_gosterge->baslat();
    if (m_izgara)
        m_izgara->setEnabled(false);
    try {
        if (m_adimlar.hazirla)
            m_adimlar.hazirla();
    } catch (...) {
        // Called from a UI event: the error must not reach the event loop, nor leave the tab disabled.
        if (m_izgara)
            m_izgara->setEnabled(true);
        if (m_gosterge)
            m_gosterge->durdur();
        m_yukleniyor = m_yeniden = false;
        GenelHataRaporu(std::current_exception());
        return;
    }

    // The closure record: the worker writes `hata`, the completion reads it after the work.
    auto hata = std::make_shared<bool>(false);
    Async([getir = m_adimlar.getir, hata] {
        if (getir)
            *hata = getir();
    })->Await([this, hata] { tamamla(*hata); }, this);
}

void SekmeYukleme::tamamla(bool hata)
{
    // The controls come back even when the tab's own completion step fails.
    std::exception_ptr bitirHatasi;
    try {
        if (m_adimlar.bitir)
            m_adimlar.bitir(hata);
    } catch (...) {
        bitirHatasi = std::current_exception();
    }
    if (m_izgara)
        m_izgara->setEnabled(true);
    if (m_gosterge)
        m_gosterge->durdur();
    // The message runs a nested event loop, and a slot of bitti() may close the
    // tab: this object can be gone after either.
    QPointer<SekmeYukleme> ben(this);
    if (hata)
        HataGoster(QString::fromUtf8(baglantikontrol::mesaj), m_izgara ? m_izgara->window() : nullptr);
    if (ben) {
        m_yukleniyor = false;
        emit bitti(hata);
    }
    if (ben && m_yeniden) {
        m_yeniden = false;
        baslat();
    }
    if (bitirHatasi)
        std::rethrow_exception(bitirHatasi);
}
