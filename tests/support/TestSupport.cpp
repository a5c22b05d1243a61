#include "support/TestSupport.h"

#include "ST/core/Diag.h"
#include "ST/core/iFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

TempDir::TempDir()
{
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/zeltest.XXXXXX";
    if (!mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir()
{
    ZEL::iFile f;
    f.DirDel(path_.c_str());
}

void WriteFile(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

ScopedCwd::ScopedCwd(const std::string& dir)
{
    char buf[4096];
    if (!getcwd(buf, sizeof buf) || chdir(dir.c_str()) != 0)
        throw std::runtime_error("cannot change the working folder to " + dir);
    previous_ = buf;
}

ScopedCwd::~ScopedCwd()
{
    if (chdir(previous_.c_str()) != 0)
        std::perror("ScopedCwd");
}

int RunCommand(const std::string& command)
{
    const int status = std::system(command.c_str());
    if (status == -1)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

std::string Quote(std::string_view word)
{
    std::string out = "'";
    for (char c : word) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

namespace {
std::mutex g_lock;
std::vector<std::string> g_lines;
ZEL::DiagSink g_previous = nullptr;
void Sink(std::string_view line)
{
    std::lock_guard lock(g_lock);
    g_lines.emplace_back(line);
}
} // namespace

DiagCapture::DiagCapture()
{
    std::lock_guard lock(g_lock);
    g_lines.clear();
    g_previous = ZEL::SetDiagSink(&Sink);
}

DiagCapture::~DiagCapture()
{
    ZEL::SetDiagSink(g_previous);
}

const std::vector<std::string>& DiagCapture::lines() const
{
    return g_lines;
}

bool DiagCapture::Contains(std::string_view needle) const
{
    std::lock_guard lock(g_lock);
    for (const auto& l : g_lines)
        if (l.find(needle) != std::string::npos)
            return true;
    return false;
}

} // namespace testsupport
