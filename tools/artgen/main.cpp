// artgen: generates the saver's resource set.
//
//   artgen [--no-previews] [--previews DIR] [OUTPUT_DIR]
//       writes the bitmaps, the icon and art.rc into OUTPUT_DIR (default: the
//       repository's assets folder) and PNG previews into DIR (default:
//       OUTPUT_DIR/preview).
//   artgen --frames DIR [OUTPUT_DIR]
//       also writes every door frame, header and all, as PNGs into DIR.
//   artgen --draft NAME FILE.png
//       renders one picture (walk, wink, quotes, advert, logo, icon, icon16,
//       doorD or doorD.F for frame F of day D's door, headerD for the door
//       with its header) in true colour, for drawing work.
#include "art_set.h"
#include "fonts.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    try {
        artgen::Destination where{ARTGEN_DEFAULT_OUTPUT, "", ""};
        bool previews = true;
        std::string previewDir;
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--draft" && i + 2 < argc) {
                artgen::WriteDraft(argv[i + 1], argv[i + 2]);
                artgen::ReleaseFonts();
                return 0;
            } else if (arg == "--no-previews") {
                previews = false;
            } else if (arg == "--previews" && i + 1 < argc) {
                previewDir = argv[++i];
            } else if (arg == "--frames" && i + 1 < argc) {
                where.frames = argv[++i];
            } else if (!arg.empty() && arg[0] != '-') {
                where.resources = arg;
            } else {
                std::cerr << "usage: artgen [--no-previews] [--previews DIR] [--frames DIR] [OUTPUT_DIR]\n"
                             "       artgen --draft NAME FILE.png\n";
                return 2;
            }
        }
        if (previews) where.previews = previewDir.empty() ? where.resources + "/preview" : previewDir;
        artgen::GenerateResourceSet(where);
        artgen::ReleaseFonts();
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "artgen: " << e.what() << "\n";
        return 1;
    }
}
