#include "platform/mesgulgosterge.h"

#include <QMovie>
#include <QPainter>

namespace {

constexpr int kolSayisi = 12;
constexpr int aralikMs = 80;

} // namespace

MesgulGosterge::MesgulGosterge(QWidget *parent)
    : QWidget(parent)
{
    m_zaman.setInterval(aralikMs);
    connect(&m_zaman, &QTimer::timeout, this, [this] {
        m_adim = (m_adim + 1) % kolSayisi;
        update();
    });
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QWidget::setVisible(false);
}

bool MesgulGosterge::setFilm(const QString &dosya)
{
    auto *film = new QMovie(dosya, QByteArray(), this);
    // The first frame gives the size and something to paint before the start.
    if (!film->isValid() || !film->jumpToFrame(0)) {
        delete film;
        return false;
    }
    delete m_film;
    m_film = film;
    connect(m_film, &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
    guncelle();
    updateGeometry();
    return true;
}

void MesgulGosterge::baslat()
{
    m_calisiyor = true;
    show();
    guncelle();
}

void MesgulGosterge::durdur()
{
    m_calisiyor = false;
    hide();
    guncelle();
}

bool MesgulGosterge::animasyonda() const
{
    return m_film ? m_film->state() == QMovie::Running : m_zaman.isActive();
}

QSize MesgulGosterge::sizeHint() const
{
    if (m_film && !m_film->frameRect().isEmpty())
        return m_film->frameRect().size();
    return { 20, 20 };
}

void MesgulGosterge::guncelle()
{
    const bool oynasin = m_calisiyor && isVisible();
    if (m_film) {
        m_zaman.stop();
        if (oynasin && m_film->state() != QMovie::Running)
            m_film->start();
        else if (!oynasin && m_film->state() == QMovie::Running)
            m_film->setPaused(true);
        return;
    }
    if (oynasin && !m_zaman.isActive())
        m_zaman.start();
    else if (!oynasin)
        m_zaman.stop();
}

void MesgulGosterge::showEvent(QShowEvent *)
{
    guncelle();
}

void MesgulGosterge::hideEvent(QHideEvent *)
{
    guncelle();
}

void MesgulGosterge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_film) {
        const QPixmap kare = m_film->currentPixmap();
        p.drawPixmap((width() - kare.width()) / 2, (height() - kare.height()) / 2, kare);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = std::min(width(), height()) / 2.0;
    p.translate(width() / 2.0, height() / 2.0);
    QColor renk = palette().color(QPalette::WindowText);
    for (int i = 0; i < kolSayisi; ++i) {
        // The arm at m_adim is darkest; the ones behind it fade.
        const int geride = (m_adim - i + kolSayisi) % kolSayisi;
        renk.setAlphaF(1.0 - geride / qreal(kolSayisi));
        p.setPen(QPen(renk, std::max(1.5, r / 5), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -r * 0.45), QPointF(0, -r * 0.9));
        p.rotate(360.0 / kolSayisi);
    }
}
