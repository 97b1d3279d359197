// The panel draws only with the typefaces it ships: the layout's typeface
// names map to them, they resolve to themselves whatever the machine has, and
// no control of the window or the about box asks for any other family.
#include "fonts/panelfonts.h"
#include "uAboutBox.h"
#include "uACMainForm.h"

#include <QGuiApplication>
#include <QFontInfo>
#include <QSet>

#include <gtest/gtest.h>

#include <string>

namespace {

const QSet<QString> shipped{QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Sans Mono")};

// Widgets (by object name or class) whose font asks for a family not shipped,
// with that family.
std::string foreignFonts(const QWidget &top)
{
    QStringList out;
    QList<const QWidget *> all{&top};
    for (const QWidget *w : top.findChildren<QWidget *>())
        all.append(w);
    for (const QWidget *w : all)
        if (!shipped.contains(w->font().family()))
            out << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
                       + QStringLiteral(": ") + w->font().family();
    return out.join(QStringLiteral(", ")).toStdString();
}

} // namespace

TEST(PanelFonts, LayoutNamesMapToShippedTypefacesThatResolveExactly)
{
    ASSERT_TRUE(panelfonts::registerPanelFonts());
    const struct {
        const char *requested;
        const char *family;
        bool fixedPitch;
    } table[] = {
        {"MS Sans Serif", "DejaVu Sans", false},   {"Arial", "DejaVu Sans", false},
        {"Tahoma", "DejaVu Sans", false},          {"DejaVu Sans", "DejaVu Sans", false},
        {"Lucida Console", "DejaVu Sans Mono", true}, {"lucida console", "DejaVu Sans Mono", true},
        {"Some Unknown Face", "DejaVu Sans", false},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.requested);
        EXPECT_EQ(panelfonts::shippedFamily(QLatin1String(row.requested)), QLatin1String(row.family));
        for (bool bold : {false, true}) {
            const QFontInfo info(panelfonts::panelTypeface(QLatin1String(row.requested), 9, bold));
            EXPECT_EQ(info.family(), QLatin1String(row.family));
            EXPECT_TRUE(info.exactMatch());
            EXPECT_EQ(info.fixedPitch(), row.fixedPitch);
            EXPECT_EQ(info.pixelSize(), 9);
        }
    }
    EXPECT_EQ(QFontInfo(QGuiApplication::font()).family(), QStringLiteral("DejaVu Sans"));
}

TEST(PanelFonts, WindowAndAboutBoxAskOnlyForShippedFamilies)
{
    TfrmACMain w;
    EXPECT_EQ(foreignFonts(w), "");
    TAboutBox about;
    EXPECT_EQ(foreignFonts(about), "");
}
