#include "support/platform_fixture.h"

#include <filesystem>

namespace quibac::testing {

std::string TestOutputPath(const std::string& name) {
    std::filesystem::path dir(QUIBAC_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

}  // namespace quibac::testing
