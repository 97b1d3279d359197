#include "simwrites.h"

#include "catalogue.h"
#include "catalogue_codec.h"

#include <QStringList>

#include <cstdio>
#include <sstream>

Written wrote(const catalogue::Variable &v, std::int64_t value)
{
    Written w{v.offset, std::vector<std::uint8_t>(v.ownedSize())};
    catalogue::encodeInteger(v, value, w.bytes);
    return w;
}

Written wroteFloat(const catalogue::Variable &v, double value)
{
    Written w{v.offset, std::vector<std::uint8_t>(v.ownedSize())};
    catalogue::encodeFloat(v, value, w.bytes);
    return w;
}

Written wroteBytes(std::uint16_t offset, std::vector<std::uint8_t> bytes)
{
    return Written{offset, std::move(bytes)};
}

Written parseTraceLine(const QString &line)
{
    const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4 || parts[0] != QLatin1String("W"))
        return {};
    bool ok = false;
    const uint offset = parts[1].toUInt(&ok, 16);
    const QByteArray bytes = QByteArray::fromHex(parts[3].toLatin1());
    if (!ok || offset > 0xFFFF || bytes.size() != parts[2].toInt())
        return {};
    return Written{std::uint16_t(offset), std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

std::string Written::describe() const
{
    std::ostringstream out;
    char at[8];
    std::snprintf(at, sizeof at, "0x%04X", offset);
    out << at;
    const catalogue::Variable *v = catalogue::findVariable(offset);
    if (v)
        out << " " << v->meaning;
    out << " = ";
    if (!v || v->ownedSize() != bytes.size()) {
        out << "? [";
        for (std::uint8_t b : bytes) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02x", b);
            out << hex;
        }
        out << "]";
    } else if (v->encoding == catalogue::Encoding::Float32 || v->encoding == catalogue::Encoding::Float64) {
        out << catalogue::decodeFloat(*v, bytes);
    } else if (v->encoding == catalogue::Encoding::Characters) {
        out << '"' << catalogue::decodeText(*v, bytes) << '"';
    } else {
        out << catalogue::decodeInteger(*v, bytes);
    }
    return out.str();
}

void PrintTo(const Written &w, std::ostream *os)
{
    *os << w.describe();
}
