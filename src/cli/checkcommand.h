#pragma once

#include <QStringList>

// ledgerwell-cli check: whether the data file is whole. It opens the file as it is, without
// migrating or seeding anything, so that a damaged file is examined rather than written to.
// Exit 0 when no problem was found, 1 when the file is damaged or cannot be opened.
class CheckCommand
{
public:
    explicit CheckCommand(bool json)
        : m_json(json)
    {
    }

    // `arguments` follow the word "check": none, or --help.
    int run(const QStringList &arguments, const QString &path);
    static QString help();

private:
    bool m_json;
};
