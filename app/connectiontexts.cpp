#include "connectiontexts.h"

#include "SimLinkClient.h"

QString versionText(std::uint32_t version)
{
    auto digit = [version](int shift) { return QChar(char16_t(48 + ((version >> shift) & 0xF))); };
    QString text = QStringLiteral("FSUIPC: ");
    text += digit(28);
    text += QLatin1Char('.');
    text += digit(24);
    text += digit(20);
    text += digit(16);
    if (version & 0xFFFF)
        text += QChar(char16_t(96 + (version & 0xFF)));
    return text;
}

QString simulatorText(std::uint32_t simulator)
{
    constexpr std::uint32_t known = sizeof SimulationText / sizeof SimulationText[0];
    if (simulator < known)
        return QStringLiteral("FS: ") + QString::fromLatin1(SimulationText[simulator]);
    return QStringLiteral("FS: #") + QString::number(simulator);
}

QString clockText(int hour, int minute, int second)
{
    return QStringLiteral("FS Clock: ") + QString::asprintf("%.2d:%.2d:%.2d", hour, minute, second);
}
