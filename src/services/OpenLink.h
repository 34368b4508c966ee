// OpenLink: hands a web address, an e-mail address or a file to the desktop's default program.
#pragma once

#include <functional>
#include <QString>
#include <QUrl>

// Opens an address (true when the desktop accepted it). The program uses QDesktopServices; tests install a
// recorder. An empty opener restores the desktop one.
using LinkOpener = std::function<bool(const QUrl&)>;
void setLinkOpener(LinkOpener opener);

// Asked before anything leaves the program: true only when a grown-up has passed the check. The program
// installs its dialog; while none is installed nothing is opened at all.
using GrownUpGate = std::function<bool(const QUrl&)>;
void setGrownUpGate(GrownUpGate gate);

// Told when a grown-up let an address out but no program on the desktop took it; the program shows the
// address in a message.
using LinkFailureNotice = std::function<void(const QUrl&)>;
void setLinkFailureNotice(LinkFailureNotice notice);

// prefix "http://": target is a web address (given its scheme when it has none); "mailto:": target is an
// e-mail address; empty: target is opened as it is when it carries a scheme, else as a file beside the
// program. Only web, mail, news and file addresses are ever opened, each only after the grown-up gate;
// nothing goes through a shell.
void openLink(const QString& prefix, const QString& target);
