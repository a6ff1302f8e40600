#include "appserver/demoveri.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <stdexcept>

namespace appserver {
namespace {

void ciz(QPainter &p, int i)
{
    const QColor metal = QColor::fromHsv((i * 37) % 360, 40, 170);
    const QColor koyu = metal.darker(220);
    p.setPen(QPen(koyu, 4));
    switch (i % 4) {
    case 0: { // a disc with holes
        QRadialGradient g(160, 120, 100);
        g.setColorAt(0, metal.lighter(140));
        g.setColorAt(1, metal);
        p.setBrush(g);
        p.drawEllipse(QPointF(160, 120), 95, 95);
        p.setBrush(koyu);
        p.drawEllipse(QPointF(160, 120), 30, 30);
        for (int h = 0; h < 5 + i % 3; ++h) {
            const double a = h * 6.283185 / (5 + i % 3);
            p.drawEllipse(QPointF(160 + 55 * std::cos(a), 120 + 55 * std::sin(a)), 7, 7);
        }
        break;
    }
    case 1: { // a cylinder, like a filter
        QLinearGradient g(90, 0, 230, 0);
        g.setColorAt(0, metal.darker(150));
        g.setColorAt(0.4, metal.lighter(150));
        g.setColorAt(1, metal.darker(170));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(90, 40, 140, 170), 18, 18);
        for (int r = 0; r < 6; ++r)
            p.drawLine(QPointF(95, 70 + r * 22), QPointF(225, 70 + r * 22));
        break;
    }
    case 2: { // a pad
        p.setBrush(koyu);
        p.drawRoundedRect(QRectF(40, 70, 240, 110), 40, 40);
        p.setBrush(metal);
        p.drawRoundedRect(QRectF(60, 85, 200, 80), 30, 30);
        break;
    }
    default: { // a spring
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(metal.darker(130), 10, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 7; ++k)
            p.drawArc(QRectF(100, 30 + k * 24, 120, 40), 0, 180 * 16 * (k % 2 ? 1 : -1));
        break;
    }
    }
}

} // namespace

std::vector<std::string> demoResimleri()
{
    std::vector<std::string> resimler;
    for (int i = 0; i < 12; ++i) {
        QImage img(320, 240, QImage::Format_RGB32);
        img.fill(QColor::fromHsv((i * 53 + 200) % 360, 20, 245));
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            ciz(p, i);
        }
        QByteArray jpeg;
        QBuffer buf(&jpeg);
        buf.open(QIODevice::WriteOnly);
        if (!img.save(&buf, "JPEG", 85))
            throw std::runtime_error("JPEG yazılamadı (Qt resim eklentisi eksik olabilir)");
        resimler.emplace_back(jpeg.constData(), size_t(jpeg.size()));
    }
    return resimler;
}

} // namespace appserver
