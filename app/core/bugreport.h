#pragma once

// A bug report as the reference host hands it on: a mailto: link for the
// user's mail client, or a text file when no mail client takes it.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace kelvra::app {

struct BugReport
{
    QString sender;
    QStringList receivers;
    QString subject;
    QString body;
    QString server;

    // mailto:a@x,b@y?subject=...&body=... with every part percent-encoded;
    // empty receivers are left out.
    QUrl mailto() const;
    // The report as a plain-text message with its headers.
    QString text() const;
};

} // namespace kelvra::app
