// The about box banner: the program's wordmark beside a small attitude emblem.
#include "dialkit.h"
#include "scenes.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage aboutBanner(QSize size)
{
    const double w = size.width(), h = size.height();
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QLinearGradient back(0, 0, w, 0);
    back.setColorAt(0.0, QColor(10, 24, 58));
    back.setColorAt(1.0, QColor(34, 84, 152));
    p.fillRect(image.rect(), back);
    // A faint horizon sweeping across.
    QPainterPath sweep;
    sweep.moveTo(0, h * 0.78);
    sweep.quadTo(w * 0.5, h * 0.52, w, h * 0.70);
    p.setPen(QPen(QColor(255, 153, 51, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sweep);

    // Emblem: a banked horizon in a ring.
    const QPointF c(h / 2 + 2, h / 2);
    const double r = h / 2 - 5;
    QPainterPath ball;
    ball.addEllipse(c, r, r);
    p.save();
    p.setClipPath(ball);
    p.translate(c);
    p.rotate(-15);
    p.fillRect(QRectF(-r, -r, 2 * r, r + 1), QColor(60, 140, 225));
    p.fillRect(QRectF(-r, 1, 2 * r, r), QColor(150, 98, 46));
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(-r, 1), QPointF(r, 1));
    p.restore();
    p.setPen(QPen(QColor(210, 214, 222), 1.8));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(255, 153, 51), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-9, 1), c + QPointF(-3, 1));
    p.drawLine(c + QPointF(3, 1), c + QPointF(9, 1));

    // Wordmark.
    QFont font = artwork::dialFont(27, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(font);
    const QFontMetricsF fm(font);
    const QString word = QStringLiteral("Veltrano");
    const QRectF ink = fm.tightBoundingRect(word);
    const double x = h + 8;
    const double baseline = h / 2 - ink.center().y();
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(x + 1.2, baseline + 1.2), word);
    p.setPen(QColor(248, 250, 255));
    p.drawText(QPointF(x, baseline), word);

    QFont small = artwork::dialFont(10, false);
    p.setFont(small);
    p.setPen(QColor(170, 200, 240));
    const QString tagline = QStringLiteral("cockpit panel");
    const double tagWidth = QFontMetricsF(small).horizontalAdvance(tagline);
    p.drawText(QPointF(w - tagWidth - 8, 14), tagline);
    p.end();
    return image;
}
