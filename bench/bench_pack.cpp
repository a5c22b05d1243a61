// Reading one 2 MB member out of a data pack, beside a plain copy of the same bytes.
#include "ST/core/iFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Fixture {
    std::string dir;
    std::string pack;
    std::vector<char> bytes;

    Fixture()
    {
        char tmpl[] = "/tmp/zelbench.XXXXXX";
        dir = mkdtemp(tmpl);
        bytes.resize(2u << 20);
        // Picture-like data: smooth runs with noise, so deflate works about as hard as on a PNG.
        unsigned s = 12345;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            s = s * 1103515245u + 12345u;
            bytes[i] = static_cast<char>((i / 64) + ((s >> 16) & 7));
        }
        const std::string member = dir + "/picture.bin";
        FILE* f = std::fopen(member.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        pack = dir + "/pack";
        const std::string cmd = std::string(PACKBUILDER) + " --password qelm7 " + pack + " " + member;
        if (std::system(cmd.c_str()) != 0)
            std::abort();
    }
    ~Fixture()
    {
        ZEL::iFile f;
        f.DirDel(dir.c_str());
    }
};

Fixture& Shared()
{
    static Fixture f;
    return f;
}

void BM_PackReadMember2MB(benchmark::State& state)
{
    Fixture& fx = Shared();
    ZEL::iFile f;
    f.ZipSetCurrentPack(fx.pack.c_str());
    f.ZipSetCurrentPass("qelm7");
    std::vector<char> out;
    for (auto _ : state) {
        if (!f.ReadResource("picture.bin", out))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fx.bytes.size()));
}
BENCHMARK(BM_PackReadMember2MB)->Unit(benchmark::kMillisecond);

void BM_BaselineMemcpy2MB(benchmark::State& state)
{
    Fixture& fx = Shared();
    std::vector<char> out(fx.bytes.size());
    for (auto _ : state) {
        std::memcpy(out.data(), fx.bytes.data(), fx.bytes.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fx.bytes.size()));
}
BENCHMARK(BM_BaselineMemcpy2MB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
