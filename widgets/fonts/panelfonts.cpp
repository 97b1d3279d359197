#include "panelfonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <array>
#include <utility>

// The resources live in a static library; naming their initialiser makes the
// linker keep them. It must be called outside any namespace.
static void initPanelFontResources()
{
    Q_INIT_RESOURCE(panelfonts);
}

namespace panelfonts {

namespace {

const QString sans = QStringLiteral("DejaVu Sans");
const QString mono = QStringLiteral("DejaVu Sans Mono");

// Every typeface name the panel, its dialogs, its artwork and the gallery ask
// for. Lucida Console is the dials' fixed-pitch face; the proportional faces
// of the Windows panel all become the shipped sans.
const std::array<std::pair<QStringView, const QString *>, 6> standIns{{
    {u"MS Sans Serif", &sans},
    {u"Arial", &sans},
    {u"Tahoma", &sans},
    {u"DejaVu Sans", &sans},
    {u"Lucida Console", &mono},
    {u"DejaVu Sans Mono", &mono},
}};

} // namespace

bool registerPanelFonts()
{
    static const bool loaded = [] {
        initPanelFontResources();
        bool ok = true;
        for (const char *file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf"})
            ok = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + QLatin1String(file)) >= 0 && ok;
        QFont standard = QGuiApplication::font();
        standard.setFamily(sans);
        QGuiApplication::setFont(standard);
        return ok;
    }();
    return loaded;
}

QString shippedFamily(QAnyStringView requested)
{
    for (const auto &[name, family] : standIns)
        if (QAnyStringView::compare(requested, name, Qt::CaseInsensitive) == 0)
            return *family;
    return sans;
}

QFont panelTypeface(QAnyStringView requested, int pixels, bool bold)
{
    QFont f(shippedFamily(requested));
    f.setPixelSize(pixels);
    f.setBold(bold);
    // Hinting and smoothing are the machine's font settings unless the font
    // names them: light (vertical) hinting with greyscale smoothing is what
    // the panel was drawn and its pictures were taken with.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace panelfonts
