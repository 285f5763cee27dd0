#pragma once
// A block of bytes in memory with a read/write position: the buffer that form definitions,
// string lists and wave images pass through, and their way to and from files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/vcl/Exceptions.h"

namespace vcl {

OLZ_DECLARE_EXCEPTION(EWriteError, EStreamError);
OLZ_DECLARE_EXCEPTION(EFOpenError, EStreamError);
OLZ_DECLARE_EXCEPTION(EFCreateError, EStreamError);

enum class TSeekOrigin { Beginning, Current, End };

class TMemoryStream {
public:
    TMemoryStream() = default;

    // Copies up to `count` bytes from the position on; returns how many were copied (0 at or
    // past the end).
    std::size_t Read(void* buffer, std::size_t count);
    // Copies `count` bytes to the position, growing the stream as needed (a gap left by a
    // position past the end reads as zeros); returns `count`.
    std::size_t Write(const void* buffer, std::size_t count);
    // Reads exactly `count` bytes, or raises EReadError("Stream read error") without
    // consuming anything when fewer remain.
    void ReadBuffer(void* buffer, std::size_t count);
    // Memory always takes all of it.
    void WriteBuffer(const void* buffer, std::size_t count) { Write(buffer, count); }

    // Moves the position and returns it. It may go past the end, never before the beginning
    // (EStreamError "Invalid stream position").
    std::size_t Seek(std::int64_t offset, TSeekOrigin origin);
    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position) { position_ = position; }
    // Bytes between the position and the end.
    std::size_t Remaining() const { return position_ < bytes_.size() ? bytes_.size() - position_ : 0; }

    std::size_t Size() const { return bytes_.size(); }
    // Grows with zeros or cuts; a position beyond the new end moves to the end.
    void SetSize(std::size_t size);
    void Clear();

    std::uint8_t* Memory() { return bytes_.data(); }
    const std::uint8_t* Memory() const { return bytes_.data(); }

    // The whole file becomes the content, the position 0. EFOpenError "Cannot open file "<name>""
    // when it cannot be opened, EReadError when it cannot be read to the end.
    void LoadFromFile(const std::string& fileName);
    // Writes the whole content, whatever the position. EFCreateError "Cannot create file
    // "<name>"" when the file cannot be created, EWriteError when it cannot be written.
    void SaveToFile(const std::string& fileName) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace vcl
