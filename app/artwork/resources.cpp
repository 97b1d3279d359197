// The JPEG pictures kept as Qt resources: the viewer's three built-in
// pictures and the about box banner. They are decoded through the panel's own
// libjpeg decoder, like any picture file the viewer loads.
#include "artwork.h"

#include "viewer/jpegdecoder.h"

#include <QFile>

// The resources live in the static panel library; naming their initialiser
// makes the linker keep them. It must be called outside any namespace.
static void registerArtworkResources()
{
    Q_INIT_RESOURCE(artwork);
}

namespace artwork {

namespace {

QImage resourceJpeg(const char *name)
{
    static const bool registered = (registerArtworkResources(), true);
    (void)registered;
    QFile file(QStringLiteral(":/artwork/jpeg/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return jpeg::decode(file.readAll());
}

} // namespace

QImage viewerPicture(int index)
{
    switch (index) {
    case 1: return resourceJpeg("viewer1.jpg"); // runway at dusk
    case 2: return resourceJpeg("viewer2.jpg"); // a panel of instruments
    case 3: return resourceJpeg("viewer3.jpg"); // clouds
    default: return {};
    }
}

QImage aboutBanner() { return resourceJpeg("banner.jpg"); }

} // namespace artwork
