#include "flc/flc_writer.h"

#include <fstream>
#include <stdexcept>

namespace quibac::flc {

Bytes MakeFrame(const std::vector<Bytes>& chunks) {
    Bytes frame;
    PutU32(frame, 0);
    PutU16(frame, kFrameType);
    PutU16(frame, uint32_t(chunks.size()));
    frame.resize(kFrameHeaderBytes, 0);  // delay, reserved and size overrides: unused
    for (const Bytes& chunk : chunks) frame.insert(frame.end(), chunk.begin(), chunk.end());
    PatchU32(frame, 0, uint32_t(frame.size()));
    return frame;
}

Bytes PrefixChunk() {
    Bytes prefix;
    PutU32(prefix, kPrefixHeaderBytes);
    PutU16(prefix, kPrefixType);
    PutU16(prefix, 0);  // no settings sub-chunks
    prefix.resize(kPrefixHeaderBytes, 0);
    return prefix;
}

Bytes AssembleFlc(const HeaderFields& fields, const Bytes& prefix, const std::vector<Bytes>& frames) {
    Bytes file(kHeaderBytes, 0);
    PatchU16(file, kHeaderMagicAt, kFlcMagic);
    PatchU16(file, kHeaderFramesAt, uint32_t(fields.Frames));
    PatchU16(file, kHeaderWidthAt, uint32_t(fields.Width));
    PatchU16(file, kHeaderHeightAt, uint32_t(fields.Height));
    PatchU16(file, kHeaderDepthAt, kDepth);
    PatchU16(file, kHeaderFlagsAt, fields.RingFrame ? kHeaderFlags : kHeaderFlagsWithoutRing);
    PatchU32(file, kHeaderSpeedAt, fields.Speed);
    PatchU16(file, kHeaderAspectXAt, 1);
    PatchU16(file, kHeaderAspectYAt, 1);
    file.insert(file.end(), prefix.begin(), prefix.end());
    for (size_t i = 0; i < frames.size(); ++i) {
        if (i == 0) PatchU32(file, kHeaderFrame1At, uint32_t(file.size()));
        if (i == 1) PatchU32(file, kHeaderFrame2At, uint32_t(file.size()));
        file.insert(file.end(), frames[i].begin(), frames[i].end());
    }
    PatchU32(file, kHeaderSizeAt, uint32_t(file.size()));
    return file;
}

Bytes EncodeFlc(const Animation& animation) {
    const int w = animation.Width;
    const int h = animation.Height;
    if (w < 1 || h < 1 || w > kMaxDimension || h > kMaxDimension)
        throw std::invalid_argument("FLC sizes run from 1 to 4096");
    if (animation.Frames.empty()) throw std::invalid_argument("an animation needs a frame");
    const size_t frameBytes = size_t(w) * size_t(h);
    for (const Bytes& f : animation.Frames)
        if (f.size() != frameBytes) throw std::invalid_argument("every frame holds width x height pixels");
    if (animation.Frames.size() > 0xFFFF) throw std::invalid_argument("too many frames");

    std::vector<Bytes> frames;
    frames.reserve(animation.Frames.size() + 1);
    const Bytes& first = animation.Frames.front();
    std::vector<Bytes> firstChunks;
    if (animation.PostageStamp) firstChunks.push_back(PostageStampChunk(first.data(), w, h, animation.Colours));
    firstChunks.push_back(Colour256Chunk(animation.Colours));
    firstChunks.push_back(ByteRunChunk(first.data(), w, h));
    frames.push_back(MakeFrame(firstChunks));

    auto delta = [&](const Bytes& from, const Bytes& to) {
        Bytes chunk = DeltaFlcChunk(from.data(), to.data(), w, h, animation.Packing);
        return chunk.empty() ? MakeFrame({}) : MakeFrame({chunk});
    };
    for (size_t i = 1; i < animation.Frames.size(); ++i)
        frames.push_back(delta(animation.Frames[i - 1], animation.Frames[i]));
    // The ring frame lets a player loop without going back to frame 0's full picture.
    if (animation.RingFrame) frames.push_back(delta(animation.Frames.back(), first));

    HeaderFields fields{w, h, int(animation.Frames.size()), animation.Speed, animation.RingFrame};
    return AssembleFlc(fields, PrefixChunk(), frames);
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace quibac::flc
