#include "promo/sekmerozeti.h"

#include <QEvent>
#include <QFontInfo>
#include <QHelpEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolTip>

SekmeRozeti RozetAyir(const QString &baslik)
{
    const qsizetype esit = baslik.indexOf(QLatin1Char('='));
    if (esit > 0) {
        const QStringView sayiKismi = QStringView(baslik).left(esit);
        bool hepsiRakam = true;
        for (const QChar c : sayiKismi)
            hepsiRakam = hepsiRakam && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        bool tamam = false;
        const int sayi = hepsiRakam ? sayiKismi.toInt(&tamam) : 0;
        if (tamam)
            return { sayi, baslik.mid(esit + 1, rozetBaslikSiniri) };
    }
    return { 0, baslik.left(rozetBaslikSiniri) };
}

RozetliSekmeCubugu::RozetliSekmeCubugu(QWidget *parent)
    : QTabBar(parent)
{
    setExpanding(false);
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
}

void RozetliSekmeCubugu::setSekmeBoyu(QSize boy)
{
    m_boy = boy;
    updateGeometry();
    update();
}

QSize RozetliSekmeCubugu::tabSizeHint(int) const
{
    return m_boy;
}

void RozetliSekmeCubugu::paintEvent(QPaintEvent *)
{
    erisimAdlariniYenile(); // a caption set while hidden left no layout change behind
    QStylePainter ressam(this);
    // The current tab last, so its shape overlaps its neighbours as usual.
    for (int i = 0; i < count(); ++i) {
        if (i != currentIndex() && isTabVisible(i))
            sekmeCiz(ressam, i);
    }
    if (currentIndex() >= 0 && isTabVisible(currentIndex()))
        sekmeCiz(ressam, currentIndex());
}

void RozetliSekmeCubugu::sekmeCiz(QStylePainter &ressam, int index) const
{
    QStyleOptionTab secenek;
    initStyleOption(&secenek, index);
    const SekmeRozeti rozet = RozetAyir(secenek.text);
    secenek.text.clear(); // the style draws shape and icon; the text is ours
    ressam.drawControl(QStyle::CE_TabBarTabShape, secenek);
    ressam.drawControl(QStyle::CE_TabBarTabLabel, secenek);

    const QRect alan = secenek.rect;
    ressam.setPen(secenek.palette.color(foregroundRole()));
    ressam.drawText(alan.adjusted(4, 5, -4, -5), Qt::AlignCenter | Qt::TextWordWrap, rozet.baslik);
    if (rozet.sayi > 0) {
        QFont kucuk = ressam.font();
        kucuk.setPixelSize(qMax(9, QFontInfo(font()).pixelSize() - 2));
        ressam.save();
        ressam.setFont(kucuk);
        ressam.setPen(rozetRengi);
        ressam.drawText(alan.adjusted(2, 1, -3, 0), Qt::AlignRight | Qt::AlignTop,
                        QLatin1Char('(') + QString::number(rozet.sayi) + QLatin1Char(')'));
        ressam.restore();
    }
}

bool RozetliSekmeCubugu::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *yardim = static_cast<QHelpEvent *>(event);
        const int i = tabAt(yardim->pos());
        if (i >= 0 && tabToolTip(i).isEmpty()) {
            QToolTip::showText(yardim->globalPos(), RozetAyir(tabText(i)).baslik, this, tabRect(i));
            return true;
        }
    }
    return QTabBar::event(event);
}

void RozetliSekmeCubugu::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    erisimAdlariniYenile();
}

void RozetliSekmeCubugu::tabLayoutChange()
{
    QTabBar::tabLayoutChange();
    erisimAdlariniYenile();
}

void RozetliSekmeCubugu::erisimAdlariniYenile()
{
    // Screen readers hear the title, not the raw "12=" form.
    for (int i = 0; i < count(); ++i) {
        const SekmeRozeti r = RozetAyir(tabText(i));
        const QString ad = r.sayi > 0 ? r.baslik + QStringLiteral(" (%1)").arg(r.sayi) : r.baslik;
        if (accessibleTabName(i) != ad)
            setAccessibleTabName(i, ad);
    }
}

RozetliSekmeler::RozetliSekmeler(QWidget *parent)
    : QTabWidget(parent)
    , m_cubuk(new RozetliSekmeCubugu(this))
{
    setTabBar(m_cubuk);
}
