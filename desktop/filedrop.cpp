#include "desktop/filedrop.h"

#include <QMimeData>
#include <QUrl>

namespace felgrove {

QString droppedLocalFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    return urls.front().toLocalFile();
}

} // namespace felgrove
