#include "adapters/adapterlogic.h"

#include <QRegularExpression>
#include <algorithm>

namespace adapterlogic {

int clampToRange(int v, int lo, int hi)
{
    if (lo > hi)
        std::swap(lo, hi);
    return std::clamp(v, lo, hi);
}

QRectF shapeRect(TShapeType shape, QSize size, int penWidth)
{
    const qreal pen = std::max(penWidth, 1);
    qreal w = std::max<qreal>(size.width() - pen, 0);
    qreal h = std::max<qreal>(size.height() - pen, 0);
    qreal x = pen / 2;
    qreal y = pen / 2;
    if (shape == stSquare || shape == stRoundSquare || shape == stCircle) {
        const qreal s = std::min(w, h);
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    return QRectF(x, y, w, h);
}

qreal shapeCornerRadius(TShapeType shape, const QRectF &outline)
{
    if (shape != stRoundRect && shape != stRoundSquare)
        return 0;
    return std::min(outline.width(), outline.height()) / 8;
}

int gaugePercent(int progress, int lo, int hi)
{
    const long long span = static_cast<long long>(hi) - lo;
    if (span <= 0)
        return 0;
    const long long done = static_cast<long long>(progress) - lo;
    return static_cast<int>(std::clamp(done * 100 / span, 0LL, 100LL));
}

int gaugeFillLength(int percent, int length)
{
    if (length <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(length) * std::clamp(percent, 0, 100) / 100);
}

QVector<QRect> statusPanelRects(const QVector<int> &widths, QSize bar)
{
    QVector<QRect> rects;
    rects.reserve(widths.size());
    int left = 0;
    for (qsizetype i = 0; i < widths.size(); ++i) {
        const int w = std::max(widths[i], 0);
        const bool last = i == widths.size() - 1;
        const int right = last ? std::max(bar.width(), left) : left + w;
        rects.append(QRect(left, 0, right - left, bar.height()));
        left += w;
    }
    return rects;
}

QRect radioItemRect(int index, int count, int columns, QSize group, int captionHeight)
{
    if (count <= 0 || index < 0 || index >= count)
        return {};
    columns = std::max(columns, 1);
    const int perColumn = (count + columns - 1) / columns;
    const int columnWidth = std::max(group.width() - 10, 0) / columns;
    const int usable = std::max(group.height() - captionHeight - 5, 0);
    const int rowHeight = usable / perColumn;
    const int top = captionHeight + 1 + (usable % perColumn) / 2;
    return QRect(8 + (index / perColumn) * columnWidth, top + (index % perColumn) * rowHeight,
                 columnWidth, rowHeight);
}

UpDownStep upDownStep(int position, int increment, int min, int max, bool upArrow)
{
    long long delta = upArrow ? increment : -static_cast<long long>(increment);
    if (max < min)
        delta = -delta;
    const int lo = std::min(min, max);
    const int hi = std::max(min, max);
    const int from = std::clamp(position, lo, hi);
    const int to = static_cast<int>(std::clamp(from + delta, static_cast<long long>(lo),
                                               static_cast<long long>(hi)));
    UpDownStep step;
    step.newValue = to;
    step.moves = to != position;
    if (step.moves)
        step.direction = upArrow ? updUp : updDown;
    return step;
}

int upDownPositionFromText(const QString &text, int stored, int min, int max)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (ok && v >= std::min(min, max) && v <= std::max(min, max))
        return v;
    return stored;
}

QStringList maskPatterns(const QString &mask)
{
    QStringList patterns;
    for (const QString &part : mask.split(u';')) {
        const QString p = part.trimmed();
        if (!p.isEmpty())
            patterns.append(p);
    }
    if (patterns.isEmpty())
        patterns.append(QStringLiteral("*"));
    return patterns;
}

bool matchesMask(const QString &fileName, const QStringList &patterns)
{
    for (const QString &p : patterns) {
        // On the panel's home platform "*.*" also matches names without a dot.
        if (p == u"*" || p == u"*.*")
            return true;
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(fileName).hasMatch())
            return true;
    }
    return false;
}

void sortFileNames(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

} // namespace adapterlogic
