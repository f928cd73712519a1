// Any bytes as a shared practice log, as a sync tool may leave one: its header and records are
// read without harm, whole lines only, and every record read is written back the same.

#include "practice/shared/sharedlog.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const std::optional<sharedlog::Header> header = sharedlog::readHeader(bytes)) {
        if (sharedlog::readHeader(sharedlog::headerLine(*header))->device != header->device)
            std::abort();
    }
    const sharedlog::Chunk chunk = sharedlog::readRecords(bytes);
    if (chunk.consumed < 0 || chunk.consumed > bytes.size() ||
        (chunk.consumed > 0 && bytes[chunk.consumed - 1] != '\n') ||
        bytes.left(chunk.consumed).count('\n') != chunk.records.size() + chunk.damaged)
        std::abort();
    for (const SharedAnswer& record : chunk.records) {
        const QByteArray line = sharedlog::recordLine(record);
        const sharedlog::Chunk again = sharedlog::readRecords(line);
        if (again.records.size() != 1 || sharedlog::recordLine(again.records[0]) != line)
            std::abort();
    }
    return 0;
}
