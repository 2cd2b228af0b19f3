// resembed, which stands in for the resource compiler on Linux: dialogs
// compile to exactly the templates windres makes, file resources are tabled
// by name and type, and anything it cannot compile exactly stops the build.
#include "support/res_file.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace quibac {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string generated;
    std::string errors;
};

class ResembedTest : public ::testing::Test {
protected:
    Outcome Run(const std::string& script) {
        folder_.Write("script.rc", script);
        const testing::ProgramRun run =
            testing::RunProgram({QUIBAC_RESEMBED, folder_.Path("script.rc"), folder_.Path("out.cpp")});
        return {run.exitCode, folder_.Read("out.cpp"), run.errors};
    }
    // The compiled resources of the generated table, by "typeId/name".
    static std::map<std::string, std::vector<uint8_t>> CompiledData(const std::string& generated) {
        std::map<std::string, std::vector<uint8_t>> arrays, out;
        const std::string arrayMark = "static const uint8_t quibac_resource_";
        for (size_t at = generated.find(arrayMark); at != std::string::npos; at = generated.find(arrayMark, at + 1)) {
            const size_t number = at + arrayMark.size();
            const std::string symbol = generated.substr(number, generated.find('[', number) - number);
            const size_t end = generated.find("};", number);
            std::vector<uint8_t> bytes;
            for (size_t h = generated.find("0x", number); h < end; h = generated.find("0x", h + 4))
                bytes.push_back(uint8_t(std::stoi(generated.substr(h + 2, 2), nullptr, 16)));
            arrays[symbol] = bytes;
        }
        // Table rows: {type, typeId, name, nameId, quibac_resource_N, size}
        std::istringstream lines(generated);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("        {", 0) != 0) continue;
            std::vector<std::string> fields;
            std::istringstream row(line.substr(line.find('{') + 1));
            for (std::string field; std::getline(row, field, ',');)
                fields.push_back(field.substr(field.find_first_not_of(' ')));
            if (fields.size() < 5) continue;
            const std::string symbol = fields[4].substr(std::string("quibac_resource_").size());
            const std::string name = fields[2] == "nullptr" ? fields[3] : fields[2];
            if (arrays.count(symbol)) out[fields[1] + "/" + name] = arrays[symbol];
        }
        return out;
    }

    testing::TempFolder folder_;
};

constexpr char kRichScript[] = R"(#include <windows.h>
#define IDD_ONE 101
#define IDC_BOX 1001
LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US
/* a block
   comment */
IDD_ONE DIALOG DISCARDABLE 10, 20, 100 + 20, (50)
CAPTION "Rich ""quoted"" \\ caption"
BEGIN
    CONTROL "", IDC_BOX, "Button", NOT WS_VISIBLE | BS_AUTO3STATE | WS_TABSTOP, 1, 2, 3, 4, WS_EX_CLIENTEDGE
    CONTROL 300, -1, "Static", SS_ICON, -5, 0x10, 3, 4
    CONTROL "line one\nline two", 7, "MyClass", 0x1234, 1, 2, 3, 4
END
202 DIALOG 0, 0, 5, 5
STYLE DS_MODALFRAME | WS_POPUP
FONT 9, "Tahoma"
{
}
STRINGTABLE
BEGIN
  1, "skipped"
END
)";

TEST_F(ResembedTest, DialogsCompileToExactlyWhatWindresMakes) {
    const Outcome o = Run(kRichScript);
    ASSERT_EQ(o.exitCode, 0) << o.errors;
    const auto ours = CompiledData(o.generated);
    ASSERT_EQ(ours.size(), 2u);
#ifdef QUIBAC_WINDRES
    const testing::ProgramRun windres =
        testing::RunProgram({QUIBAC_WINDRES, "-O", "res", folder_.Path("script.rc"), folder_.Path("script.res")});
    ASSERT_EQ(windres.exitCode, 0) << windres.errors;
    const auto theirs = testing::ReadResFile(folder_.Path("script.res"));
    for (int id : {101, 202}) {
        const testing::ResEntry* e = testing::FindRes(theirs, 5, id);
        ASSERT_NE(e, nullptr) << id;
        ASSERT_TRUE(ours.count("5/" + std::to_string(id))) << id;
        EXPECT_EQ(ours.at("5/" + std::to_string(id)), e->data) << "dialog " << id;
    }
#else
    GTEST_SKIP() << "no MinGW resource compiler was found when the build was configured";
#endif
}

TEST_F(ResembedTest, FileResourcesAreTabledByNameAndType) {
    folder_.Write("walk.bmp", "BM");
    folder_.Write("dates.flc", "FLC");
    folder_.Write("icon.ico", "ICO");
    folder_.Write("more.rc", "DATESFLIC Flic \"dates.flc\"\n");
    const Outcome o =
        Run("WALKANIM BITMAP DISCARDABLE \"walk.bmp\"\n"
            "#include \"more.rc\"\n"
            "1 ICON \"icon.ico\"\n"
            "7 RCDATA \"dates.flc\"\n"
            "GONE BITMAP \"missing.bmp\"\n");
    ASSERT_EQ(o.exitCode, 0) << o.errors;
    EXPECT_NE(o.generated.find("{nullptr, 2, \"WALKANIM\", 0, quibac_resource_"), std::string::npos);
    EXPECT_NE(o.generated.find("{\"Flic\", 0, \"DATESFLIC\", 0, quibac_resource_"), std::string::npos);
    EXPECT_NE(o.generated.find("{nullptr, 10, nullptr, 7, quibac_resource_"), std::string::npos);
    EXPECT_NE(o.generated.find(".incbin \\\"" + folder_.Path("dates.flc")), std::string::npos)
        << "paths are relative to the script that names them";
    EXPECT_EQ(o.generated.find("icon.ico"), std::string::npos) << "icons are left to the platform layer";
    EXPECT_EQ(o.generated.find("GONE"), std::string::npos);
    EXPECT_NE(o.errors.find("missing.bmp"), std::string::npos) << "a missing file is reported";
}

TEST_F(ResembedTest, WhatCannotBeCompiledExactlyStopsTheBuild) {
    const struct {
        const char* script;
        const char* complaint;
    } cases[] = {
        {"1 DIALOG 0, 0, 1, 1\nSTYLE WS_MYSTERY\nBEGIN\nEND\n", "unknown name WS_MYSTERY"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\nEND\n", "not supported"},
        {"1 DIALOG 0, 0, 1, 1\nBEGIN\n PUSHBUTTON \"OK\", 1, 0, 0, 1, 1\nEND\n", "only CONTROL"},
        {"#if 1\n#endif\n", "unsupported directive #if"},
        {"1 DIALOG 0, 0, 1, 1\nCAPTION \"open\nBEGIN\nEND\n", "unterminated string"},
        {"1 DIALOG 0, 0, 1, 1\nCAPTION \"caf\xC3\xA9\"\nBEGIN\nEND\n", "not ASCII"},
        {"1 DIALOG 0, 0, 1, 1\nBEGIN\n", "unexpected end"},
        {"#include \"nowhere.rc\"\n", "cannot be read"},
        // A template would read back as something else: an extended one, or
        // a text taken for an ordinal.
        {"1 DIALOG 0, 0, 1, 1\nSTYLE 0xFFFF0001\nBEGIN\nEND\n", "extended"},
        {"#pragma code_page(65001)\n1 DIALOG 0, 0, 1, 1\nBEGIN\n CONTROL \"x\", 1, \"\xEF\xBF\xBF"
         "B\", 0, 1, 2, 3, 4\nEND\n",
         "U+FFFF"},
        {"#pragma code_page(65001)\n1 DIALOG 0, 0, 1, 1\nBEGIN\n CONTROL \"\xEF\xBF\xBFx\", 1, \"Button\", 0, 1, 2, 3, "
         "4\nEND\n",
         "U+FFFF"},
    };
    for (const auto& c : cases) {
        const Outcome o = Run(c.script);
        EXPECT_EQ(o.exitCode, 1) << c.script;
        EXPECT_NE(o.errors.find(c.complaint), std::string::npos) << c.script << "\n" << o.errors;
    }
}

}  // namespace
}  // namespace quibac
