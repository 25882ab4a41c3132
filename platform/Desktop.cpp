#include "platform/Desktop.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace orv {
namespace {

class SystemDesktop : public IDesktop {
public:
    // xdg-open opens a file with the default program of its type; without
    // one it fails quietly, so the default is asked for first. Without
    // xdg-mime the desktop is left to try.
    bool hasHandlerFor(const QString& mimeType) override
    {
        const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (query.isEmpty()) return true;
        QProcess p;
        p.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished(1000);
            return false;
        }
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 &&
               !p.readAllStandardOutput().trimmed().isEmpty();
    }
    QString findProgram(const QString& name) override { return QStandardPaths::findExecutable(name); }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

IDesktop* g_desktop = nullptr;

} // namespace

IDesktop& Desktop()
{
    static SystemDesktop system;
    return g_desktop ? *g_desktop : system;
}

IDesktop* BindDesktop(IDesktop* desktop)
{
    IDesktop* old = g_desktop;
    g_desktop = desktop;
    return old;
}

bool DesktopHandlesFile(IDesktop& desktop, const QString& file)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) return false;
    QStringList names{type.name()};
    names += type.aliases();
    for (const QString& name : names)
        if (desktop.hasHandlerFor(name)) return true;
    return false;
}

} // namespace orv
