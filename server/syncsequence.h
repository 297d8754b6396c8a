#pragma once

#include <QtGlobal>

class Storage;

// The server-wide change sequence: every write that a pull must notice takes its numbers from
// here, inside the writing transaction. The UPDATE comes first, so its row lock makes concurrent
// writers commit in sequence order, and a reader that resumes after the highest number it has
// seen never skips one.
namespace SyncSequence {

// Takes `count` numbers; `first` receives the lowest. False when the database failed.
bool reserve(const Storage &storage, int count, qint64 *first);

} // namespace SyncSequence
