#pragma once

#include "platform/SafeSave.h"

#include <QIODevice>

#include <algorithm>

// A save's write step that puts only the first `room` bytes into the file and then fails, as
// a disk that fills part way would.
struct FailingWrite {
    qint64 room;

    bool operator()(QIODevice& file, const QByteArray& bytes) const
    {
        const qint64 taken = std::min<qint64>(room, bytes.size());
        return file.write(bytes.constData(), taken) == taken && taken == bytes.size();
    }
};
