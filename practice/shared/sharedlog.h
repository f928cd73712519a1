#pragma once

#include "practice/history/sharedanswer.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The file one installation writes into a learner's shared folder: its answers, appended one a
// line and never rewritten, so that a file-sync tool only ever carries a file forward and two
// machines never write the same file. The format is in docs/SHARED-LOG.md.
namespace sharedlog {

inline constexpr int kVersion = 1;
// Every log ends so, conflict copies that sync tools make beside it too.
inline const QString kSuffix = QStringLiteral(".zorvel-log");

struct Header {
    int version = kVersion;
    QString device; // made once per installation
    QString name;   // the learner's, as they chose it
};

using Record = SharedAnswer;

QByteArray headerLine(const Header& header);
QByteArray recordLine(const Record& record);

// The header of a log from its first bytes; none when they hold no whole, sound header line.
std::optional<Header> readHeader(const QByteArray& start);

// The whole lines of `chunk`, read from a record's start: the records, how many bytes they
// took (a last line without its end, half synced, is left for next time) and how many lines
// were damaged and skipped.
struct Chunk {
    QList<Record> records;
    qint64 consumed = 0;
    int damaged = 0;
};
Chunk readRecords(const QByteArray& chunk);

} // namespace sharedlog
