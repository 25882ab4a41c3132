#include "tests/printing/support/OpenedUrls.h"

#include <QDesktopServices>

namespace orvtest {

StandInDesktop::StandInDesktop() : old_(orv::BindDesktop(this)) {}

StandInDesktop::~StandInDesktop() { orv::BindDesktop(old_); }

OpenedUrls::OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }

OpenedUrls::~OpenedUrls() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

} // namespace orvtest
