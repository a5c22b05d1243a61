#include "ST/core/Diag.h"

#include <atomic>
#include <cstdio>

namespace ZEL {
namespace {

void StdoutSink(std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::atomic<DiagSink> g_sink{&StdoutSink};

} // namespace

void Diag(std::string_view line)
{
    g_sink.load()(line);
}

DiagSink SetDiagSink(DiagSink sink)
{
    return g_sink.exchange(sink ? sink : &StdoutSink);
}

} // namespace ZEL
