#include "propertytable.h"

#include "commandwords.h"
#include "variablenames.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace fg {

namespace {

struct ConversionShape {
    std::string_view word;
    Conversion conversion;
    int minValues, maxValues; // VALUE words
    int paths;                // PATH words
    bool needsBit;
};

constexpr ConversionShape kShapes[] = {
    {"scale", Conversion::Scale, 1, 2, 1, false},
    {"angle", Conversion::Angle, 0, 0, 1, false},
    {"flag", Conversion::Flag, 0, 1, 1, false},
    {"clear", Conversion::Clear, 0, 1, 1, false},
    {"bit", Conversion::Bit, 0, 0, 1, true},
    {"equals", Conversion::Equals, 1, 1, 1, false},
    {"radio", Conversion::Radio, 0, 0, 1, false},
    {"radio25", Conversion::Radio25, 0, 0, 1, false},
    {"adf", Conversion::AdfMain, 0, 0, 1, false},
    {"adfext", Conversion::AdfExtension, 0, 0, 1, false},
    {"squawk", Conversion::Squawk, 0, 0, 1, false},
    {"text", Conversion::Text, 0, 0, 1, false},
    {"div", Conversion::Div, 2, 2, 1, false},
    {"season", Conversion::Season, 0, 0, 1, false},
    {"tofrom", Conversion::ToFrom, 0, 0, 2, false},
    {"rate", Conversion::Rate, 0, 0, 2, false},
    {"magnetos", Conversion::Magnetos, 0, 0, 2, false},
    {"fraction", Conversion::Fraction, 0, 0, 2, false},
    {"selector", Conversion::Selector, 0, 0, 2, false},
    {"sum", Conversion::Sum, 2, 2, 2, false},
    {"count", Conversion::Count, 0, 0, 1, false},
    {"swap", Conversion::Swap, 0, 0, 2, true},
    {"fixed", Conversion::Fixed, 1, 1, 0, false},
};

const ConversionShape *shapeNamed(std::string_view word)
{
    for (const ConversionShape &s : kShapes)
        if (s.word == word)
            return &s;
    return nullptr;
}

bool textual(Conversion c) { return c == Conversion::Equals; }

// "65536*1852/3600", "-1", "40/0.592484": numbers joined by * and /.
std::optional<double> parseProduct(std::string_view text)
{
    double value = 1;
    char op = '*';
    std::size_t i = 0;
    while (i <= text.size()) {
        std::size_t j = text.find_first_of("*/", i == 0 ? 1 : i); // a leading sign is not an operator
        if (j == std::string_view::npos)
            j = text.size();
        const auto factor = cmd::parseReal(text.substr(i, j - i));
        if (!factor)
            return std::nullopt;
        if (op == '*')
            value *= *factor;
        else if (*factor == 0)
            return std::nullopt;
        else
            value /= *factor;
        if (j == text.size())
            break;
        op = text[j];
        i = j + 1;
    }
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// Words of a line; a "quoted text" is one word (quotes removed), a # outside
// quotes ends the line.
std::optional<std::vector<std::string>> words(std::string_view line)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (i < line.size()) {
        if (blank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#')
            break;
        if (line[i] == '"') {
            const std::size_t end = line.find('"', i + 1);
            if (end == std::string_view::npos)
                return std::nullopt;
            out.emplace_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        std::size_t j = i;
        while (j < line.size() && !blank(line[j]))
            ++j;
        out.emplace_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

std::string replaceAll(std::string text, char from, char to)
{
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

std::optional<int> parseBit(std::string_view text, int widthBits)
{
    const auto bit = cmd::parseDecimal(text, 63);
    if (!bit || int(*bit) >= widthBits)
        return std::nullopt;
    return int(*bit);
}

class RowParser {
public:
    explicit RowParser(std::string &error) : m_error(error) {}

    // The rows one table line stands for (four for a per-engine line).
    std::optional<std::vector<PropertyRow>> parse(const std::vector<std::string> &w, int line)
    {
        m_line = line;
        if (w.size() < 2)
            return fail("a row needs a variable and a conversion");
        const ConversionShape *shape = shapeNamed(w[1]);
        if (!shape)
            return fail("unknown conversion '" + w[1] + "'");
        std::vector<std::string> values, paths;
        bool readOnly = false;
        for (std::size_t i = 2; i < w.size(); ++i) {
            if (w[i] == "ro" && i + 1 == w.size())
                readOnly = true;
            else if (!w[i].empty() && w[i][0] == '/')
                paths.push_back(w[i]);
            else if (!paths.empty())
                return fail("values come before the paths");
            else
                values.push_back(w[i]);
        }
        if (int(values.size()) < shape->minValues || int(values.size()) > shape->maxValues)
            return fail("'" + w[1] + "' takes " + std::to_string(shape->minValues) + ".." +
                        std::to_string(shape->maxValues) + " values");
        if (int(paths.size()) != shape->paths)
            return fail("'" + w[1] + "' takes " + std::to_string(shape->paths) + " paths");

        // NAME, NAME.N, NAME#, NAME.#
        std::string name = w[0], bitText;
        if (const std::size_t dot = name.find('.'); dot != std::string::npos) {
            bitText = name.substr(dot + 1);
            name.erase(dot);
        }
        const bool perEngine = (!name.empty() && name.back() == '#') || bitText == "#";
        if (!name.empty() && name.back() == '#')
            name.pop_back();
        if (shape->needsBit != !bitText.empty())
            return fail(shape->needsBit ? "'" + w[1] + "' needs NAME.BIT" : "only bit and swap rows name a bit");

        std::vector<PropertyRow> rows;
        for (int engine = 0; engine < (perEngine ? 4 : 1); ++engine) {
            PropertyRow row;
            row.line = line;
            row.conversion = shape->conversion;
            row.readOnly = readOnly;
            row.name = name + (perEngine && bitText != "#" ? std::to_string(engine + 1) : "");
            const catalogue::Variable *v = variableNamed(row.name);
            if (!v)
                return fail("unknown variable '" + row.name + "'");
            row.variable = *v;
            if (!bitText.empty()) {
                const auto bit = bitText == "#" ? std::optional(engine) : parseBit(bitText, v->ownedSize() * 8);
                if (!bit)
                    return fail("bit '" + bitText + "' is outside " + row.name);
                row.bit = *bit;
            }
            for (const std::string &p : paths)
                row.paths.push_back(perEngine ? replaceAll(p, '#', char('0' + engine)) : p);
            if (!take(row, values))
                return std::nullopt;
            rows.push_back(std::move(row));
        }
        return rows;
    }

private:
    std::nullopt_t fail(const std::string &reason)
    {
        m_error = "line " + std::to_string(m_line) + ": " + reason;
        return std::nullopt;
    }

    bool take(PropertyRow &row, const std::vector<std::string> &values)
    {
        const bool isText = row.variable.encoding == catalogue::Encoding::Characters;
        if (isText != (row.conversion == Conversion::Text || (row.conversion == Conversion::Fixed && isText)))
            return fail(row.name + (isText ? " is text: use text or fixed" : " is not text")), false;
        if (textual(row.conversion) || (row.conversion == Conversion::Fixed && isText)) {
            row.text = values.at(0);
            return true;
        }
        std::vector<double> numbers;
        for (const std::string &v : values) {
            const auto n = parseProduct(v);
            if (!n)
                return fail("'" + v + "' is not a number"), false;
            numbers.push_back(*n);
        }
        const bool defaultOne = row.conversion == Conversion::Flag || row.conversion == Conversion::Clear;
        row.a = numbers.size() > 0 ? numbers[0] : (defaultOne ? 1 : 0);
        row.b = numbers.size() > 1 ? numbers[1] : 0;
        if (row.conversion == Conversion::Scale && row.a == 0)
            return fail("a scale of 0 cannot be written back"), false;
        if (row.conversion == Conversion::Div && (row.a <= 0 || row.b <= 0))
            return fail("div needs two positive numbers"), false;
        if (row.conversion == Conversion::Count && row.paths[0].find('#') == std::string::npos)
            return fail("count needs a path with #"), false;
        return true;
    }

    std::string &m_error;
    int m_line = 0;
};

} // namespace

bool PropertyRow::reads() const
{
    return conversion != Conversion::Fixed && conversion != Conversion::Swap && variable.isRead();
}

bool PropertyRow::writes() const
{
    return !readOnly && variable.isWritten() && conversion != Conversion::Fixed && conversion != Conversion::Count &&
           conversion != Conversion::Sum;
}

std::vector<std::string> readPathsOf(const PropertyRow &row)
{
    if (row.conversion != Conversion::Count)
        return row.paths;
    std::vector<std::string> paths;
    for (char engine = '0'; engine < '4'; ++engine) {
        std::string p = row.paths[0];
        std::replace(p.begin(), p.end(), '#', engine);
        paths.push_back(std::move(p));
    }
    return paths;
}

std::vector<PropertyRow> PropertyTable::rowsFor(std::string_view aircraftName) const
{
    const auto own = aircraft.find(aircraftName);
    if (own == aircraft.end())
        return general;
    std::vector<PropertyRow> rows;
    for (const PropertyRow &r : general)
        if (std::none_of(own->second.begin(), own->second.end(), [&](const PropertyRow &o) { return o.sameSlot(r); }))
            rows.push_back(r);
    rows.insert(rows.end(), own->second.begin(), own->second.end());
    return rows;
}

std::optional<PropertyTable> parseTable(std::string_view text, std::string &error)
{
    PropertyTable table;
    std::vector<PropertyRow> *section = &table.general;
    RowParser parser(error);
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        const auto w = words(line);
        if (!w) {
            error = "line " + std::to_string(lineNumber) + ": a quote is not closed";
            return std::nullopt;
        }
        if (w->empty())
            continue;
        if (w->front().front() == '[') {
            if (w->size() != 2 || w->front() != "[aircraft" || w->back().size() < 2 || w->back().back() != ']') {
                error = "line " + std::to_string(lineNumber) + ": a section reads [aircraft NAME]";
                return std::nullopt;
            }
            section = &table.aircraft[w->back().substr(0, w->back().size() - 1)];
            continue;
        }
        auto rows = parser.parse(*w, lineNumber);
        if (!rows)
            return std::nullopt;
        for (PropertyRow &r : *rows) {
            if (std::any_of(section->begin(), section->end(), [&](const PropertyRow &o) { return o.sameSlot(r); })) {
                error = "line " + std::to_string(lineNumber) + ": " + r.name + " has a row already";
                return std::nullopt;
            }
            section->push_back(std::move(r));
        }
    }
    return table;
}

} // namespace fg
