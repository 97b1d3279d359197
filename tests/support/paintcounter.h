#pragma once
// Counts the paint events that widgets receive, so that tests (and anyone
// diagnosing a busy panel) can see which controls repainted after a change:
// a control must repaint when what it shows changes and only then.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

class PaintCounter : public QObject {
public:
    // Watches `top` and every widget inside it at the time of the call.
    explicit PaintCounter(QWidget *top);
    void watch(QWidget *widget);

    // Lets every repaint already asked for happen now.
    static void flush();
    // Forgets the counts so far (after flushing what is pending).
    void reset();

    int count(const QWidget *widget) const;
    int total() const;
    // How many widgets painted at least once.
    int widgetsPainted() const { return int(m_counts.size()); }
    // "name: n" for each widget painted since the last reset, for messages.
    QString painted() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<const QObject *, int> m_counts;
    QHash<const QObject *, QPointer<QObject>> m_watched;
};
