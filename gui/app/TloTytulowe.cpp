#include "TloTytulowe.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace tremida::gui {

namespace {

QPixmap rysujObraz()
{
    const int s = 1200, w = 750;
    QPixmap p(s, w);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    QLinearGradient niebo(0, 0, 0, w);
    niebo.setColorAt(0.0, QColor(10, 22, 60));
    niebo.setColorAt(0.6, QColor(34, 68, 128));
    niebo.setColorAt(1.0, QColor(214, 196, 150));
    m.fillRect(p.rect(), niebo);
    QRadialGradient blask(s * 0.5, w * 0.45, s * 0.45);
    blask.setColorAt(0.0, QColor(255, 255, 255, 70));
    blask.setColorAt(1.0, QColor(255, 255, 255, 0));
    m.fillRect(p.rect(), blask);

    // A fixed seed: the same picture at every start.
    QRandomGenerator los(4011);
    QList<QPointF> wezly;
    for (int i = 0; i < 70; ++i)
        wezly << QPointF(los.bounded(s), los.bounded(w));
    m.setPen(QPen(QColor(180, 210, 255, 60), 1.2));
    for (qsizetype i = 0; i < wezly.size(); ++i)
        for (qsizetype j = i + 1; j < wezly.size(); ++j) {
            const QPointF d = wezly[i] - wezly[j];
            if (d.x() * d.x() + d.y() * d.y() < 170 * 170)
                m.drawLine(wezly[i], wezly[j]);
        }
    m.setPen(Qt::NoPen);
    for (const QPointF &punkt : wezly) {
        const double r = 2.0 + los.bounded(5);
        QRadialGradient g(punkt, r * 2.5);
        g.setColorAt(0.0, QColor(255, 240, 200, 230));
        g.setColorAt(1.0, QColor(255, 240, 200, 0));
        m.setBrush(g);
        m.drawEllipse(punkt, r * 2.5, r * 2.5);
    }
    return p;
}

} // namespace

TloTytulowe::TloTytulowe(QWidget *rodzic) : QWidget(rodzic), m_obraz(rysujObraz())
{
    setObjectName(QStringLiteral("obrazTytulowy"));
}

void TloTytulowe::paintEvent(QPaintEvent *)
{
    QPainter m(this);
    m.setRenderHint(QPainter::SmoothPixmapTransform);
    m.drawPixmap(rect(), m_obraz);
}

} // namespace tremida::gui
