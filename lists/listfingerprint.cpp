#include "lists/listfingerprint.h"

#include "lists/itemlist.h"

#include <QtEndian>

#include <algorithm>

namespace listfingerprint {

namespace {

// FNV-1a over the UTF-16 units: stable across runs and machines, unlike qHash's seeded hashes.
quint64 stableHash(QStringView text)
{
    quint64 hash = 14695981039346656037ULL;
    for (const QChar unit : text) {
        hash = (hash ^ unit.unicode()) * 1099511628211ULL;
    }
    return hash;
}

} // namespace

Fingerprint of(QStringView text)
{
    Fingerprint hashes;
    for (QStringView line : text.tokenize(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        line = trimSpaces(line);
        if (!line.isEmpty())
            hashes.append(stableHash(line));
    }
    std::sort(hashes.begin(), hashes.end());
    hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
    hashes.resize(qMin<qsizetype>(hashes.size(), kSize));
    return hashes;
}

// The smallest hashes of the union stand for a random sample of all lines of both; the share
// of them that both lists hold estimates the share of lines they have in common.
double likeness(const Fingerprint& a, const Fingerprint& b)
{
    if (a.isEmpty() || b.isEmpty())
        return 0;
    int sampled = 0;
    int shared = 0;
    auto i = a.cbegin();
    auto j = b.cbegin();
    while (sampled < kSize && (i != a.cend() || j != b.cend())) {
        ++sampled;
        if (j == b.cend() || (i != a.cend() && *i < *j)) {
            ++i;
        } else if (i == a.cend() || *j < *i) {
            ++j;
        } else {
            ++shared;
            ++i;
            ++j;
        }
    }
    return double(shared) / double(sampled);
}

QByteArray toBytes(const Fingerprint& fingerprint)
{
    QByteArray bytes(fingerprint.size() * qsizetype(sizeof(quint64)), Qt::Uninitialized);
    for (qsizetype k = 0; k < fingerprint.size(); ++k)
        qToLittleEndian(fingerprint[k], bytes.data() + k * qsizetype(sizeof(quint64)));
    return bytes;
}

Fingerprint fromBytes(const QByteArray& bytes)
{
    Fingerprint fingerprint;
    for (qsizetype at = 0; at + qsizetype(sizeof(quint64)) <= bytes.size();
         at += qsizetype(sizeof(quint64)))
        fingerprint.append(qFromLittleEndian<quint64>(bytes.constData() + at));
    return fingerprint;
}

} // namespace listfingerprint
