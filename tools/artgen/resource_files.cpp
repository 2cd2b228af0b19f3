#include "resource_files.h"

#include "assets/dib_rle8.h"
#include "flc/flc_writer.h"
#include "rle8.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace artgen {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageSize, uint32_t coloursUsed,
                   uint32_t compression = kNoCompression) {
    Put32(out, kInfoHeaderSize);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height));
    Put16(out, 1);  // planes
    Put16(out, uint32_t(bits));
    Put32(out, compression);
    Put32(out, imageSize);
    Put32(out, 0);  // resolution: none stated
    Put32(out, 0);
    Put32(out, coloursUsed);
    Put32(out, coloursUsed);
}

void PutColourTable(std::vector<uint8_t>& out, const Rgb* colours, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        out.push_back(colours[i].b);
        out.push_back(colours[i].g);
        out.push_back(colours[i].r);
        out.push_back(0);
    }
}

constexpr int kIconSize = 32;

// An 8-bit bitmap file whose pixel data is data.
std::vector<uint8_t> BitmapFile(int width, int height, const PaletteTable& colours, const std::vector<uint8_t>& data,
                                uint32_t compression) {
    const uint32_t offset = uint32_t(kFileHeaderSize + kInfoHeaderSize + kColourTableSize);
    std::vector<uint8_t> out;
    out.reserve(offset + data.size());
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + uint32_t(data.size()));
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, width, height, 8, uint32_t(data.size()), 256, compression);
    PutColourTable(out, colours.data(), colours.size());
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeBitmap(const IndexedImage& image, const PaletteTable& colours) {
    if (image.width % 4 != 0) throw std::logic_error("bitmap width must be a multiple of 4");
    std::vector<uint8_t> rows;
    rows.reserve(image.pixels.size());
    for (int y = image.height - 1; y >= 0; --y) {
        const auto row = image.pixels.begin() + long(y) * image.width;
        rows.insert(rows.end(), row, row + image.width);
    }
    return BitmapFile(image.width, image.height, colours, rows, kNoCompression);
}

std::vector<uint8_t> EncodeBitmapOver(const IndexedImage& image, const IndexedImage& ground,
                                      const PaletteTable& colours) {
    const std::vector<uint8_t> stream = Rle8Over(image, ground);
    IndexedImage drawn = ground;
    quibac::DecodeRle8(quibac::ByteView(stream.data(), stream.size()), drawn.pixels.data(), drawn.width, drawn.height);
    if (drawn.pixels != image.pixels) throw std::logic_error("the saver would not draw this picture as it was drawn");
    return BitmapFile(image.width, image.height, colours, stream, quibac::kCompressionRle8);
}

std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& images) {
    constexpr uint32_t kDirectoryHeader = 6, kDirectoryEntry = 16;
    constexpr uint32_t kMaskRowBytes = kIconSize / 8;  // 32 bits: already a multiple of 4
    std::vector<std::vector<uint8_t>> bodies;
    for (const IconImage& img : images) {
        if (img.pixels.width != kIconSize || img.pixels.height != kIconSize)
            throw std::logic_error("icon images are 32 x 32");
        const uint32_t rowBytes = uint32_t(kIconSize * img.bitsPerPixel / 8);
        std::vector<uint8_t> body;
        // The height counts the colour rows and the mask rows together.
        PutInfoHeader(body, kIconSize, 2 * kIconSize, img.bitsPerPixel, (rowBytes + kMaskRowBytes) * kIconSize, 0);
        std::vector<Rgb> table = img.table;
        table.resize(size_t(1) << img.bitsPerPixel);
        PutColourTable(body, table.data(), table.size());
        for (int y = kIconSize - 1; y >= 0; --y) {
            for (int x = 0; x < kIconSize; x += 8 / img.bitsPerPixel) {
                const auto visible = [&](int px) {
                    return img.transparent[size_t(y * kIconSize + px)] ? uint8_t(0) : img.pixels.at(px, y);
                };
                if (img.bitsPerPixel == 8)
                    body.push_back(visible(x));
                else
                    body.push_back(uint8_t((visible(x) << 4) | (visible(x + 1) & 0x0F)));
            }
        }
        for (int y = kIconSize - 1; y >= 0; --y) {
            for (int x = 0; x < kIconSize; x += 8) {
                uint8_t bits = 0;
                for (int i = 0; i < 8; ++i)
                    if (img.transparent[size_t(y * kIconSize + x + i)]) bits |= uint8_t(0x80 >> i);
                body.push_back(bits);
            }
        }
        bodies.push_back(std::move(body));
    }
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, uint32_t(images.size()));
    uint32_t offset = kDirectoryHeader + kDirectoryEntry * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(kIconSize);
        out.push_back(kIconSize);
        out.push_back(images[i].bitsPerPixel == 4 ? 16 : 0);  // colour count (0: 256 or more)
        out.push_back(0);
        Put16(out, 1);
        Put16(out, uint32_t(images[i].bitsPerPixel));
        Put32(out, uint32_t(bodies[i].size()));
        Put32(out, offset);
        offset += uint32_t(bodies[i].size());
    }
    for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
    return out;
}

namespace {

quibac::flc::Animation Animation(const std::vector<IndexedImage>& frames, const PaletteTable& colours, uint32_t speed) {
    if (frames.empty()) throw std::logic_error("an animation needs frames");
    quibac::flc::Animation animation;
    animation.Width = frames.front().width;
    animation.Height = frames.front().height;
    for (size_t i = 0; i < colours.size(); ++i) animation.Colours[i] = {colours[i].r, colours[i].g, colours[i].b};
    for (const IndexedImage& f : frames) {
        if (f.width != animation.Width || f.height != animation.Height) throw std::logic_error("frames of one size");
        animation.Frames.push_back(f.pixels);
    }
    animation.Speed = speed;
    return animation;
}

}  // namespace

std::vector<uint8_t> EncodeAnimation(const std::vector<IndexedImage>& frames, const PaletteTable& colours,
                                     uint32_t speed) {
    quibac::flc::Animation animation = Animation(frames, colours, speed);
    animation.PostageStamp = true;
    return quibac::flc::EncodeFlc(animation);
}

std::vector<uint8_t> EncodeCompactAnimation(const std::vector<IndexedImage>& frames, const PaletteTable& colours,
                                            uint32_t speed) {
    quibac::flc::Animation animation = Animation(frames, colours, speed);
    animation.RingFrame = false;
    animation.Packing = quibac::flc::DeltaPacking::Packets;
    return quibac::flc::EncodeFlc(animation);
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteText(const std::string& path, const std::string& text) {
    WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace artgen
