// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the test ends, and small helpers for the files
// in it.
#pragma once

#include <string>

namespace quibac::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

    // Whole files as bytes; Read gives "" for a file that cannot be read.
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names in the folder (not recursive), sorted.
    std::string Listing() const;

private:
    std::string path_;
};

}  // namespace quibac::testing
