// The desktop's ways of showing a file the program wrote: the program the
// desktop keeps for the file's type, or a program started by name. Tests
// bind a stand-in, so no real program starts.
#pragma once

#include <QString>
#include <QStringList>

namespace orv {

class IDesktop {
public:
    virtual ~IDesktop() = default;
    // Whether the desktop has a program for files of this MIME type.
    virtual bool hasHandlerFor(const QString& mimeType) = 0;
    // The full path of a program on PATH; empty when there is none.
    virtual QString findProgram(const QString& name) = 0;
    // Starts the program on its own; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};

// The bound desktop, else the system's.
IDesktop& Desktop();
// Binds a desktop (nullptr: the system's again); returns the previous one.
IDesktop* BindDesktop(IDesktop* desktop);

// Whether the desktop has a program for the file's type or one of its aliases.
bool DesktopHandlesFile(IDesktop& desktop, const QString& file);

} // namespace orv
