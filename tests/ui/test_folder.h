#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it afterwards.
#include <string>
#include <vector>

namespace ui_test {

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // Code-page-932 path without a final "\".
    const std::string& Path() const { return path_; }
    // Names of the files in it, sorted.
    std::vector<std::string> Files() const;

private:
    std::string path_;
};

} // namespace ui_test
