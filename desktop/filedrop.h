#pragma once

#include <QString>

class QMimeData;

namespace felgrove {

// The path of the file a drag from a file manager carries, when it carries
// exactly one local file; otherwise (several files, a remote address, plain
// text) an empty string, and the drop is refused.
QString droppedLocalFile(const QMimeData* mime);

} // namespace felgrove
