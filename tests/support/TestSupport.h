#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// A fresh folder under the build's temporary area, removed again by the destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);

// Makes `dir` the working folder while it lives; the previous one comes back afterwards.
class ScopedCwd {
public:
    explicit ScopedCwd(const std::string& dir);
    ~ScopedCwd();
    ScopedCwd(const ScopedCwd&) = delete;
    ScopedCwd& operator=(const ScopedCwd&) = delete;

private:
    std::string previous_;
};

// Runs a shell command; returns its exit status.
int RunCommand(const std::string& command);
// Quotes one word for the shell.
std::string Quote(std::string_view word);

// Collects the diagnostic lines written while it lives (and keeps them off standard output).
class DiagCapture {
public:
    DiagCapture();
    ~DiagCapture();
    const std::vector<std::string>& lines() const;
    bool Contains(std::string_view needle) const;
};

} // namespace testsupport
