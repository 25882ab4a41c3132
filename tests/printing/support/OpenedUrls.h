// Takes the place of the desktop while it lives: what the program hands to
// the user's editor is recorded instead of opened, and no program starts.
#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include "platform/Desktop.h"

namespace orvtest {

// A desktop with a program for every file type (unless told otherwise) and
// the given programs on PATH; the programs started are recorded.
class StandInDesktop : public orv::IDesktop {
public:
    StandInDesktop();
    ~StandInDesktop() override;
    StandInDesktop(const StandInDesktop&) = delete;
    StandInDesktop& operator=(const StandInDesktop&) = delete;

    bool handlesEveryType = true;
    QMap<QString, QString> programs; // name -> path
    bool programsStart = true;
    QList<QStringList> started;      // program, then its arguments
    QStringList typesAsked;

    bool hasHandlerFor(const QString& mimeType) override
    {
        typesAsked << mimeType;
        return handlesEveryType;
    }
    QString findProgram(const QString& name) override { return programs.value(name); }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        if (!programsStart) return false;
        started << (QStringList{program} + arguments);
        return true;
    }

private:
    orv::IDesktop* old_;
};

class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls();
    ~OpenedUrls() override;
    QList<QUrl> urls;
    StandInDesktop desktop;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace orvtest
