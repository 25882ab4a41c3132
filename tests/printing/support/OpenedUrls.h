// Takes the place of the desktop for file URLs while it lives: what the
// program hands to the user's editor is recorded instead of opened.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace orvtest {

class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls();
    ~OpenedUrls() override;
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace orvtest
