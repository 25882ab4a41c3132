#include "tests/printing/support/OpenedUrls.h"

#include <QDesktopServices>

namespace orvtest {

OpenedUrls::OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }

OpenedUrls::~OpenedUrls() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

} // namespace orvtest
