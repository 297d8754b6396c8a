#include "account/urlopener.h"

namespace VarnAccount::UrlOpener {

namespace {

Opener &current()
{
    static Opener opener;
    return opener;
}

} // namespace

void set(Opener opener)
{
    current() = std::move(opener);
}

bool open(const QUrl &url)
{
    return current() ? current()(url) : false;
}

} // namespace VarnAccount::UrlOpener
