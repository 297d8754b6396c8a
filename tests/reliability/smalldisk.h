#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs file system of its own, for filling the disk for real. Mounting needs the
// rights to do so; where the test has none, isMounted() is false and the folder is an ordinary
// one (tests then make SQLite's file the thing that is full, with PRAGMA max_page_count).
class SmallDisk
{
public:
    explicit SmallDisk(int kib);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    // Fills the file system up to `leaveKib` free kibibytes with a file named "filler".
    bool fill(int leaveKib) const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
