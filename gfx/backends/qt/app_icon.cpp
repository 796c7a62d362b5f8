#include "gfx/backends/qt/app_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace gfx {

QIcon appIcon() {
    // One folder per size, as in the icon theme: hicolor/48x48/apps/..., hicolor/64x64/...
    QIcon icon;
    const QDir theme(QStringLiteral(":/icons/hicolor"));
    for (const QString& size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file =
            theme.filePath(size + QStringLiteral("/apps/org.example.FennsTown.png"));
        if (QFileInfo::exists(file)) icon.addFile(file, QImageReader(file).size());
    }
    return icon;
}

}  // namespace gfx
