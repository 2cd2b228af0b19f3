#include "support/res_file.h"

#include "assets/byte_view.h"

#include <fstream>
#include <iterator>

namespace quibac::testing {

std::vector<ResEntry> ReadResFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const ByteView view(reinterpret_cast<const uint8_t*>(raw.data()), raw.size());
    std::vector<ResEntry> out;
    size_t at = 0;
    while (view.Has(at, 8)) {
        const uint32_t dataSize = view.U32(at);
        const uint32_t headerSize = view.U32(at + 4);
        if (headerSize < 8 || !view.Has(at, size_t(headerSize) + dataSize)) break;
        ResEntry e;
        size_t p = at + 8;
        auto idOrName = [&](bool& isId, int& id, std::string& name) {
            if (view.U16(p) == 0xFFFF) {
                isId = true;
                id = view.U16(p + 2);
                p += 4;
                return;
            }
            for (; view.Has(p, 2) && view.U16(p) != 0; p += 2) name.push_back(char(view.U16(p)));
            p += 2;
        };
        idOrName(e.typeIsId, e.typeId, e.typeName);
        idOrName(e.nameIsId, e.nameId, e.name);
        p = (p + 3) & ~size_t(3);
        e.language = view.U16(p + 6);
        const uint8_t* data = view.data() + at + headerSize;
        e.data.assign(data, data + dataSize);
        out.push_back(std::move(e));
        at = (at + headerSize + dataSize + 3) & ~size_t(3);
    }
    return out;
}

const ResEntry* FindRes(const std::vector<ResEntry>& entries, int typeId, int nameId, int language) {
    for (const ResEntry& e : entries)
        if (e.typeIsId && e.typeId == typeId && e.nameIsId && e.nameId == nameId &&
            (language < 0 || e.language == language))
            return &e;
    return nullptr;
}

}  // namespace quibac::testing
