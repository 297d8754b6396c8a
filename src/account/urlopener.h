#pragma once

#include <QUrl>

#include <functional>

namespace VarnAccount {

// How a web page is shown to the user. The core library has no Gui: the widget layer installs
// the system browser (QDesktopServices::openUrl), the command-line tool prints the address, and
// tests take the URL themselves. Without an opener, open() answers false.
namespace UrlOpener {

using Opener = std::function<bool(const QUrl &)>;

void set(Opener opener);
bool open(const QUrl &url);

} // namespace UrlOpener

} // namespace VarnAccount
