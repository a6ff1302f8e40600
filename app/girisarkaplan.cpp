#include "app/girisarkaplan.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A stylised wheel with a brake disc: the firm's emblem.
void amblem(QPainter &p, QPointF merkez, double r)
{
    p.setPen(QPen(QColor(255, 255, 255, 210), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(merkez, r, r);
    p.setPen(QPen(QColor(255, 196, 64), 3));
    p.drawEllipse(merkez, r * 0.62, r * 0.62);
    p.setBrush(QColor(255, 196, 64));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(merkez);
        p.rotate(i * 72.0);
        p.drawEllipse(QPointF(0, -r * 0.36), r * 0.08, r * 0.08);
        p.restore();
    }
    p.drawEllipse(merkez, r * 0.14, r * 0.14);
}

} // namespace

GirisArkaPlan::GirisArkaPlan(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GirisArkaPlan::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    QLinearGradient zemin(r.topLeft(), r.bottomLeft());
    zemin.setColorAt(0.0, QColor(12, 38, 78));
    zemin.setColorAt(0.55, QColor(28, 84, 150));
    zemin.setColorAt(0.56, QColor(236, 241, 247));
    zemin.setColorAt(1.0, QColor(206, 216, 230));
    p.fillRect(r, zemin);

    // A road sweeping across the upper half, below the product lines.
    QPainterPath yol;
    yol.moveTo(0, r.height() * 0.52);
    yol.cubicTo(r.width() * 0.35, r.height() * 0.44, r.width() * 0.65, r.height() * 0.54, r.width(), r.height() * 0.47);
    p.setPen(QPen(QColor(255, 255, 255, 60), 14));
    p.drawPath(yol);
    p.setPen(QPen(QColor(255, 196, 64, 170), 2, Qt::DashLine));
    p.drawPath(yol);

    amblem(p, QPointF(r.width() / 2, 78), 44);

    p.setPen(Qt::white);
    QFont f = font();
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0, 130, r.width(), 34), Qt::AlignCenter, QStringLiteral("TARNEVO OTOMOTİV"));
    f.setPixelSize(13);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(0, 162, r.width(), 20), Qt::AlignCenter, QStringLiteral("Yedek Parça Toptan Satış · B2B"));
    p.setPen(QColor(220, 230, 245));
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRectF(20, 192, r.width() - 40, 64), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Fren Sistemleri · Süspansiyon · Motor Parçaları\n"
                              "Filtre · Aydınlatma · Elektrik · Şanzıman"));

    p.setPen(QColor(40, 60, 90));
    p.drawText(QRectF(0, r.height() - 48, r.width(), 18), Qt::AlignCenter,
               QStringLiteral("Tel: 0 (000) 555 01 23   Fax: 0 (000) 555 01 24"));
    p.drawText(QRectF(0, r.height() - 28, r.width(), 18), Qt::AlignCenter,
               QStringLiteral("Tarnevo Otomotiv Yedek Parça San. ve Tic."));
}
