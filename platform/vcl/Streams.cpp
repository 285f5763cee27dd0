#include "platform/vcl/Streams.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vcl {

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    const std::size_t copied = std::min(count, Remaining());
    if (copied > 0) std::memcpy(buffer, bytes_.data() + position_, copied);
    position_ += copied;
    return copied;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return 0;
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

void TMemoryStream::ReadBuffer(void* buffer, std::size_t count) {
    if (count > Remaining()) throw EReadError("Stream read error");
    Read(buffer, count);
}

std::size_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::size_t base = 0;
    switch (origin) {
        case TSeekOrigin::Beginning: base = 0; break;
        case TSeekOrigin::Current: base = position_; break;
        case TSeekOrigin::End: base = bytes_.size(); break;
    }
    // Unsigned arithmetic: a step back past the beginning shows as a result above `base`.
    const std::size_t target = base + static_cast<std::size_t>(offset);
    if (offset < 0 ? target > base : target < base) throw EStreamError("Invalid stream position");
    position_ = target;
    return position_;
}

void TMemoryStream::SetSize(std::size_t size) {
    bytes_.resize(size);
    position_ = std::min(position_, size);
}

void TMemoryStream::Clear() {
    bytes_.clear();
    bytes_.shrink_to_fit();
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw EFOpenError("Cannot open file \"" + fileName + "\"");
    std::vector<std::uint8_t> content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw EReadError("Stream read error");
    bytes_ = std::move(content);
    position_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) throw EFCreateError("Cannot create file \"" + fileName + "\"");
    out.write(reinterpret_cast<const char*>(bytes_.data()), static_cast<std::streamsize>(bytes_.size()));
    out.close();
    if (!out) throw EWriteError("Stream write error");
}

}  // namespace vcl
