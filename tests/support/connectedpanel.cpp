#include "connectedpanel.h"

#include "SimLinkClient.h"
#include "adapters/paneltimer.h"
#include "catalogue_codec.h"

#include <QPushButton>
#include <QTest>

#include <span>

namespace {

std::span<const std::uint8_t> asBytes(const QByteArray &b)
{
    return {reinterpret_cast<const std::uint8_t *>(b.constData()), std::size_t(b.size())};
}

QString hexOffset(const catalogue::Variable &v)
{
    return QStringLiteral("0x%1").arg(v.offset, 4, 16, QLatin1Char('0'));
}

} // namespace

void ConnectedPanel::TearDown()
{
    panel.reset();
    FSUIPC_Close();
    sim.stop();
}

bool ConnectedPanel::connect(const QStringList &simOptions)
{
    if (!sim.start(simOptions)) {
        ADD_FAILURE() << "veltrano-sim did not start";
        return false;
    }
    panel = makeWindow();
    panel->FormActivate();
    if (!panel->isConnected) {
        ADD_FAILURE() << "the panel did not connect: " << panel->statusPanel(3).toStdString();
        return false;
    }
    setRefreshRunning(false);
    if (sim.command(QStringLiteral("trace on")) != QLatin1String("OK")) {
        ADD_FAILURE() << "veltrano-sim refused the trace";
        return false;
    }
    takeWrites();
    return true;
}

QByteArray ConnectedPanel::read(const catalogue::Variable &v)
{
    const QString answer = sim.command(QStringLiteral("read %1 %2").arg(hexOffset(v)).arg(v.ownedSize()));
    if (!answer.startsWith(QLatin1String("OK "))) {
        ADD_FAILURE() << "read of " << v.meaning << " refused: " << answer.toStdString();
        return QByteArray(v.ownedSize(), '\0');
    }
    return QByteArray::fromHex(answer.mid(3).toLatin1());
}

void ConnectedPanel::write(const catalogue::Variable &v, const QByteArray &bytes)
{
    const QString answer =
        sim.command(QStringLiteral("write %1 %2").arg(hexOffset(v), QString::fromLatin1(bytes.toHex())));
    if (answer != QLatin1String("OK"))
        ADD_FAILURE() << "write of " << v.meaning << " refused: " << answer.toStdString();
}

void ConnectedPanel::set(const catalogue::Variable &v, std::int64_t value)
{
    QByteArray bytes(v.ownedSize(), '\0');
    catalogue::encodeInteger(v, value, {reinterpret_cast<std::uint8_t *>(bytes.data()), std::size_t(bytes.size())});
    write(v, bytes);
}

void ConnectedPanel::setFloat(const catalogue::Variable &v, double value)
{
    QByteArray bytes(v.ownedSize(), '\0');
    catalogue::encodeFloat(v, value, {reinterpret_cast<std::uint8_t *>(bytes.data()), std::size_t(bytes.size())});
    write(v, bytes);
}

void ConnectedPanel::setText(const catalogue::Variable &v, std::string_view text)
{
    QByteArray bytes(v.ownedSize(), '\0');
    catalogue::encodeText(v, text, {reinterpret_cast<std::uint8_t *>(bytes.data()), std::size_t(bytes.size())});
    write(v, bytes);
}

std::int64_t ConnectedPanel::get(const catalogue::Variable &v)
{
    return catalogue::decodeInteger(v, asBytes(read(v)));
}

double ConnectedPanel::getFloat(const catalogue::Variable &v)
{
    return catalogue::decodeFloat(v, asBytes(read(v)));
}

std::string ConnectedPanel::getText(const catalogue::Variable &v)
{
    return catalogue::decodeText(v, asBytes(read(v)));
}

Writes ConnectedPanel::takeWrites()
{
    // A command's answer comes after every trace line printed before it, so
    // one round trip collects every write the panel has finished.
    sim.command(QStringLiteral("trace on"));
    Writes writes;
    for (const QString &line : sim.takeTraceLines())
        writes.push_back(parseTraceLine(line));
    return writes;
}

QString ConnectedPanel::status() const
{
    return panel->statusPanel(3);
}

void ConnectedPanel::tick(int n)
{
    for (int i = 0; i < n; ++i) {
        setRefreshRunning(true);
        panel->TimerUpdateTimeTimer();
        setRefreshRunning(false);
    }
}

void ConnectedPanel::setRefreshRunning(bool running)
{
    panel->bbtnPause->setText(running ? QStringLiteral("&Pause") : QStringLiteral("G&o"));
    panel->TimerUpdateTime->SetEnabled(false);
}

void ConnectedPanel::wait(int ms)
{
    QTest::qWait(ms);
}
