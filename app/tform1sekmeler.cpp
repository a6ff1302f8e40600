// The main window's construction: banner strip, tabs, status legend, bottom strip.
#include "app/tform1.h"

#include "app/common/durumsimgesi.h"
#include "promo/sekmerozeti.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

void TForm1::sekmeleriKur(QVBoxLayout *dikey)
{
    RxGIFAnimator2 = new QLabel(this);
    RxGIFAnimator2->setObjectName(QStringLiteral("RxGIFAnimator2"));
    RxGIFAnimator2->setScaledContents(true);
    RxGIFAnimator2->setFixedHeight(0); // until a banner arrives
    dikey->addWidget(RxGIFAnimator2);

    sPageControl1 = new RozetliSekmeler(this);
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    sPageControl1->cubuk()->setSekmeBoyu({ 120, 45 });
    const struct
    {
        QWidget *TForm1::*alan;
        const char *ad;
        QString baslik;
    } sekmeler[] = {
        { &TForm1::sstoklistesi, "sstoklistesi", QStringLiteral("Stok Listesi") },
        { &TForm1::ssepet, "ssepet", QStringLiteral("Sepet") },
        { &TForm1::sonceki, "sonceki", QStringLiteral("Önceki Siparişler") },
        { &TForm1::sccariekstre, "sccariekstre", QStringLiteral("Cari Ekstre") },
        { &TForm1::syeniler, "syeniler", QStringLiteral("Yeni Stoklar") },
        { &TForm1::skampanyali, "skampanyali", QStringLiteral("Kampanyalı Stoklar") },
        { &TForm1::sTabSheetduyuru, "sTabSheetduyuru", QStringLiteral("Duyurular") },
        { &TForm1::sTabbakiyeler, "sTabbakiyeler", QStringLiteral("Bakiyeler") },
    };
    for (const auto &s : sekmeler) {
        auto *sayfa = new QWidget(sPageControl1);
        sayfa->setObjectName(QString::fromLatin1(s.ad));
        this->*s.alan = sayfa;
        sPageControl1->addTab(sayfa, s.baslik);
    }
    dikey->addWidget(sPageControl1, 1);
}

void TForm1::durumAciklamasiKur(QVBoxLayout *dikey)
{
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto *yatay = new QHBoxLayout(Panel3);
    yatay->setContentsMargins(10, 4, 10, 4);
    yatay->setSpacing(0);
    yatay->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    "), Panel3));
    const struct
    {
        int kod;
        QString metin;
    } durumlar[] = {
        { 1, QStringLiteral(" Stok mevcut  ") },  { 2, QStringLiteral(" Telefon Açınız  ") },
        { 3, QStringLiteral(" Yolda  ") },        { 5, QStringLiteral(" Tedarik Sürecinde ") },
        { 4, QStringLiteral(" Özel Sipariş  ") }, { 0, QStringLiteral(" Yok  ") },
    };
    for (const auto &d : durumlar) {
        auto *simge = new QLabel(Panel3);
        simge->setObjectName(QStringLiteral("durumsimge%1").arg(d.kod));
        simge->setPixmap(DurumSimgesi(d.kod).pixmap(18, 18));
        simge->setToolTip(DurumAnlami(d.kod));
        yatay->addWidget(simge);
        auto *yazi = new QLabel(d.metin, Panel3);
        yazi->setObjectName(QStringLiteral("durumyazi%1").arg(d.kod));
        yatay->addWidget(yazi);
        yatay->addSpacing(10);
    }
    yatay->addStretch(1);
    dikey->addWidget(Panel3);
}

void TForm1::altSeritKur(QVBoxLayout *dikey)
{
    Panel5 = new QFrame(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFixedHeight(40);
    auto *yatay = new QHBoxLayout(Panel5);
    yatay->setContentsMargins(10, 0, 10, 0);
    kayanyazi = new QLabel(Panel5);
    kayanyazi->setObjectName(QStringLiteral("kayanyazi"));
    QFont yazi;
    yazi.setFamilies({ QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    yazi.setPixelSize(24);
    kayanyazi->setFont(yazi);
    yatay->addWidget(kayanyazi, 1);
    dikey->addWidget(Panel5);
}
